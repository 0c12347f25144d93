// The library's own timer thread against the turn logic. Allegro runs its
// timer only under a real system driver (install_timer under SYSTEM_NONE calls
// a driver list that is not there and crashes), so the library is started on a
// private X server and install_int calls timerTick from the library's thread.
// Built with ThreadSanitizer (make test-tsan) this shows that the timer's turn
// advance never races the main thread's frames, enemy turns and floor loads.
// Nothing here depends on timing: each scene ends after a number of events,
// however long the ticks take to deliver them.
#include <gtest/gtest.h>

#include <allegro.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "../shell/campaign.h"
#include "../shell/play_scene.h"
#include "../shell/virtual_display.h"
#include "shell/platform.h"
#include "shell/player_commands.h"
#include "shell/timer_tick.h"
#include "shell/turn_lock.h"
#include "shell/turn_loop.h"
#include "support/game_invariants.h"
#include "support/test_floor.h"
#include "world/floor_loading.h"
#include "world/game_state.h"
#include "world/settings.h"

namespace {
constexpr int TICK_MS = 1;

// Everything below is called by the main thread only; the timer thread runs
// nothing but timerTick.
struct Race {
    int32_t squadShots = 0;
    int32_t enemyShots = 0;
    int32_t transitions = 0;
    int32_t lastFloor = 0;
    bool pressed = false;
    bool passBegins = true;
    std::string broken;
    bool (*enough)() = nullptr;
};
Race race;

int32_t pointerX = 0;
int32_t pointerY = 0;

// The pointer rests on a living enemy and the left button goes down every
// other pass, so every turn of the squad is a shot.
void aimAtAnEnemy() {
    for (int32_t i = squadSize; i < unitCount; ++i)
        if (units[i].health > 0) {
            pointerX = cellPixelX(units[i].x);
            pointerY = cellPixelY(units[i].y);
            return;
        }
}

// The first read after Esc was looked at begins a pass; the panel reads the
// pointer again inside every frame, also in the frame after the winning step,
// after which no pass begins.
int32_t readX() {
    if (!race.passBegins)
        return pointerX;
    race.passBegins = false;
    if (race.broken.empty())
        race.broken = brokenInvariant();
    if (race.lastFloor != 0 && floorNumber != race.lastFloor)
        ++race.transitions;
    race.lastFloor = floorNumber;
    race.pressed = !race.pressed;
    aimAtAnEnemy();
    return pointerX;
}
int32_t readY() {
    return pointerY;
}
int32_t readButtons() {
    return race.pressed ? BUTTON_LEFT : 0;
}
bool escape() {
    race.passBegins = true;
    return !race.broken.empty() || race.enough();
}
void countShot(int32_t) {
    if (currentUnit().side == SIDE_SQUAD)
        ++race.squadShots;
    else
        ++race.enemyShots;
}
void giveWay() {
    std::this_thread::yield();
}

Platform racingTable() {
    Platform table = nullPlatform();
    table.mouseX = readX;
    table.mouseY = readY;
    table.mouseButtons = readButtons;
    table.escDown = escape;
    table.idle = giveWay;
    table.playShot = countShot;
    return table;
}

std::unique_ptr<VirtualDisplay> display;

void startLibraryWithTimer() {
    if (display)
        return;
    display = std::make_unique<VirtualDisplay>();
    setenv("DISPLAY", display->name().c_str(), 1);
    if (install_allegro(SYSTEM_AUTODETECT, &errno, std::atexit) != 0 || install_timer() != 0)
        throw std::runtime_error("the library will not start on " + display->name());
}

class TimerRace : public PlayScene {
  protected:
    void SetUp() override {
        startLibraryWithTimer();
        PlayScene::SetUp();
        race = Race{};
        saved = platform;
        installPlatform(racingTable());
    }
    void TearDown() override { installPlatform(saved); }

    // The turn loop with the library's timer ticking beside it.
    TurnLoopEnd playWithTimer() {
        install_int(timerTick, TICK_MS);
        runTurnLoop();
        remove_int(timerTick);
        return turnLoopEnd();
    }

    Platform saved{};
};

void makeSturdy(int32_t unit) {
    units[unit].health = units[unit].maxHealth = 100000;
}
} // namespace

TEST_F(TimerRace, ShotDisplaysEndOnThePlayersTurnWhileEnemiesShootBack) {
    buildFloor({"........", "........", "........", "........", "........", "........", "........",
                "........"});
    for (int32_t unit : {addUnit(SIDE_SQUAD, 1, 1), addUnit(SIDE_SQUAD, 1, 2),
                         addUnit(SIDE_ENEMY, 6, 1), addUnit(SIDE_ENEMY, 6, 6)})
        makeSturdy(unit);
    readySearch();
    shotShowTicks = 3;
    race.enough = [] { return race.squadShots >= 40 && race.enemyShots >= 20; };

    // With a shot on display the turn can only pass on when the timer's tick
    // ends the display, so every squad shot after the first was handed on there.
    EXPECT_EQ(playWithTimer(), TurnLoopEnd::ESCAPED);
    EXPECT_EQ(race.broken, "");
    EXPECT_GE(race.squadShots, 40);
    EXPECT_GE(race.enemyShots, 20);
}

TEST_F(TimerRace, FloorsLoadWhileTheTimerTicks) {
    const std::vector<std::string> open{"......", "......", "......", "......", "......", ".....E"};
    FloorFile floor;
    floor.rows = open;
    floor.unitCount = 2;
    floor.squadSize = 1;
    floor.medkitCount = 2;
    Campaign campaign({floor, floor, floor});
    shotShowTicks = 2;
    race.enough = [] { return race.transitions >= 6; };
    int32_t games = 0;
    while (!race.enough() && race.broken.empty() && games < 50) {
        {
            // The timer may still be finishing a turn of the last game.
            std::lock_guard<std::mutex> hold(turnLock);
            ASSERT_TRUE(Campaign::start()) << floorLoadError();
        }
        race.lastFloor = 0;
        race.passBegins = true;
        const TurnLoopEnd end = playWithTimer();
        ASSERT_NE(end, TurnLoopEnd::FLOOR_REFUSED) << floorLoadError();
        ++games;
    }
    EXPECT_EQ(race.broken, "");
    EXPECT_GE(race.transitions, 6);
}
