#include "shell/floor_transition.h"

#include "draw/pictures.h"
#include "draw/transition_screen.h"
#include "shell/platform.h"
#include "shell/player_commands.h"
#include "shell/stop_request.h"
#include "shell/turn_lock.h"
#include "world/floor_loading.h"
#include "world/game_state.h"
#include "world/settings.h"
#include "world/settings_file.h"

namespace {
constexpr int32_t TRANSITION_TICKS = 101;
constexpr int32_t MS_PER_SECOND = 1000;

void showNotice() {
    drawTransitionScreen(backBuffer);
    platform.present(backBuffer);
}

// Ticks of the first second: a press then was most likely meant for the
// floor just left, so it does not end the notice.
int32_t ticksBeforeSkip() {
    return (MS_PER_SECOND - 1) / timerIntervalMs(tickMs) + 1;
}

// One look at the keys and buttons; true for a new key or press that may end
// the notice. A press is taken once, as on the map: held on, it does not act
// again on the next floor.
bool skipWanted(bool mayEnd) {
    const bool down = platform.mouseButtons() != 0;
    const bool newPress = down && !buttonHeld;
    buttonHeld = down;
    if (!mayEnd) {
        platform.clearKeys(); // keys of the first second are dropped
        return false;
    }
    return platform.keyPressed() || newPress;
}
} // namespace

bool enterNextFloor(TurnLockHold& hold) {
    const int32_t skippableFrom = ticksBeforeSkip();
    // The count pauses with the game while a shot is still on display.
    for (int32_t ticks = 0; ticks < TRANSITION_TICKS;) {
        if (stopSignal())
            return false;
        showNotice();
        if (hold.useTick()) {
            ++ticks; // counted before the keys are looked at: a second is a second
            continue;
        }
        if (skipWanted(ticks >= skippableFrom)) {
            platform.clearKeys(); // as when the count runs out: nothing left to read
            break;
        }
        hold.idle();
    }
    ++floorNumber;
    return loadFloor(floorNumber);
}
