#include "shell/floor_transition.h"

#include "draw/pictures.h"
#include "draw/transition_screen.h"
#include "shell/platform.h"
#include "shell/stop_request.h"
#include "shell/turn_lock.h"
#include "world/floor_loading.h"
#include "world/game_state.h"

namespace {
constexpr int32_t TRANSITION_TICKS = 101;

void showNotice() {
    drawTransitionScreen(backBuffer);
    platform.present(backBuffer);
}
} // namespace

bool enterNextFloor(TurnLockHold& hold) {
    // The count pauses with the game while a shot is still on display.
    for (int32_t ticks = 0; ticks < TRANSITION_TICKS;) {
        if (stopSignal())
            return false;
        showNotice();
        if (hold.useTick())
            ++ticks;
        else
            hold.idle();
    }
    ++floorNumber;
    return loadFloor(floorNumber);
}
