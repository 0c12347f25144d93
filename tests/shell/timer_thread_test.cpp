// The library's timer runs timerTick on its own thread. Here a real thread
// ticks against the turn loop; built with ThreadSanitizer this shows that the
// two never touch the turn at the same time. Nothing here depends on timing:
// the press lasts until the shot is fired, and the game ends with Esc a number
// of delivered ticks after it, however long they take.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "play_scene.h"
#include "shell/platform.h"
#include "shell/timer_tick.h"
#include "shell/turn_loop.h"
#include "support/test_floor.h"

namespace {
constexpr int32_t TICKS_TO_PLAY = 60;
constexpr int32_t NOT_YET = -1;
// A loop that never takes the press fails the test instead of hanging it.
constexpr int32_t TICKS_BEFORE_GIVING_UP = 1000000;

std::atomic<int32_t> ticksDelivered{0};
int32_t shotAt = NOT_YET; // ticks delivered when the main thread first saw the shot
std::atomic<int32_t> pointerX{0}, pointerY{0}, buttons{0};

int32_t readX() {
    return pointerX;
}
int32_t readY() {
    return pointerY;
}
int32_t readButtons() {
    return buttons;
}
// Both run on the main thread, between the turn loop's steps.
void noteTheShot() {
    if (shotAt == NOT_YET && shotTarget != NO_UNIT)
        shotAt = ticksDelivered;
}
bool enoughTicks() {
    noteTheShot();
    if (ticksDelivered >= TICKS_BEFORE_GIVING_UP)
        return true;
    return shotAt != NOT_YET && ticksDelivered - shotAt >= TICKS_TO_PLAY;
}
void yieldOnce() {
    // A busy machine may start the loop late: hold the press until it is taken.
    noteTheShot();
    if (shotAt != NOT_YET)
        buttons = 0;
    std::this_thread::yield();
}

Platform pressingTable() {
    Platform table = nullPlatform();
    table.mouseX = readX;
    table.mouseY = readY;
    table.mouseButtons = readButtons;
    table.escDown = enoughTicks;
    table.idle = yieldOnce;
    return table;
}

class TimerThread : public PlayScene {};
} // namespace

TEST_F(TimerThread, TicksFromAnotherThreadPlayTheShotThrough) {
    pocketGuardScene();
    const int32_t target = addUnit(SIDE_ENEMY, 4, 1);
    units[target].dodge = 1;
    pointerX = cellPixelX(4);
    pointerY = cellPixelY(1);
    buttons = 1;
    ticksDelivered = 0;
    shotTarget = NO_UNIT;
    shotAt = NOT_YET;

    const Platform saved = platform;
    installPlatform(pressingTable());
    std::atomic<bool> stop{false};
    std::thread timer([&] {
        while (!stop) {
            timerTick();
            ++ticksDelivered;
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    });
    runTurnLoop();
    stop = true;
    timer.join();
    installPlatform(saved);

    EXPECT_EQ(turnLoopEnd(), TurnLoopEnd::ESCAPED);
    EXPECT_LT(units[target].health, 20);
    EXPECT_EQ(units[target].alerted, 1);
}
