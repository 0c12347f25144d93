#include "shell/turn_loop.h"

#include "draw/frame.h"
#include "shell/floor_transition.h"
#include "shell/platform.h"
#include "shell/player_commands.h"
#include "shell/stop_request.h"
#include "shell/turn_lock.h"
#include "world/floor_state.h"
#include "world/game_state.h"

namespace {
TurnLoopEnd loopEnd = TurnLoopEnd::ESCAPED;

// The dead are carried over to the next floor as dead: with nobody left the
// floors would pass by one after the other and end on the endgame page. A
// floor listed with no squad at all has lost nobody: it is simply over.
bool squadWipedOut() {
    for (int32_t i = 0; i < squadSize; ++i)
        if (units[i].health > 0)
            return false;
    return squadSize > 0;
}

TurnLoopEnd playPasses() {
    TurnLockHold hold;
    int32_t lastStep = STEP_MOVED;
    for (;;) {
        const int32_t mouseX = platform.mouseX();
        const int32_t mouseY = platform.mouseY();
        if (floorOver() && squadWipedOut())
            return TurnLoopEnd::SQUAD_LOST;
        // The last shot's number and notice stay on the map until its display ends.
        if (floorOver() && shotTimer <= 0 && !enterNextFloor(hold))
            return stopSignal()    ? TurnLoopEnd::STOPPED
                   : allFloorsDone ? TurnLoopEnd::COMPLETED
                                   : TurnLoopEnd::FLOOR_REFUSED;
        if (playerMayCommand())
            handlePress(hold, platform.mouseButtons(), mouseX, mouseY, lastStep);
        drawFrame(mouseX, mouseY);
        if (stopSignal())
            return TurnLoopEnd::STOPPED;
        if (lastStep == STEP_GAME_COMPLETE)
            return TurnLoopEnd::COMPLETED;
        // Esc and the close box are looked at only here, so a running move or
        // transition ends first.
        if (platform.escDown() || closeRequested())
            return TurnLoopEnd::ESCAPED;
        hold.idle();
    }
}
} // namespace

bool runTurnLoop() {
    loopEnd = playPasses();
    platform.clearKeys();
    return loopEnd == TurnLoopEnd::COMPLETED;
}

TurnLoopEnd turnLoopEnd() {
    return loopEnd;
}
