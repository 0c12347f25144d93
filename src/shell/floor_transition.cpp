#include "shell/floor_transition.h"

#include <allegro.h>

#include "draw/colours.h"
#include "draw/pictures.h"
#include "shell/platform.h"
#include "shell/stop_request.h"
#include "shell/turn_lock.h"
#include "world/floor_loading.h"
#include "world/game_state.h"

namespace {
constexpr int32_t TRANSITION_TICKS = 101;
constexpr int32_t NOTICE_X = 320;
constexpr int32_t NOTICE_Y = 240;

void drawNotice() {
    clear_bitmap(backBuffer);
    textprintf_centre(backBuffer, font, NOTICE_X, NOTICE_Y, pixelOf(WHITE),
                      "Entering Next Floor ...");
    platform.present(backBuffer);
}
} // namespace

bool enterNextFloor(TurnLockHold& hold) {
    // The count pauses with the game while a shot is still on display.
    for (int32_t ticks = 0; ticks < TRANSITION_TICKS;) {
        if (stopSignal())
            return false;
        drawNotice();
        if (hold.useTick())
            ++ticks;
        else
            hold.idle();
    }
    ++floorNumber;
    return loadFloor(floorNumber);
}
