// The screen between floors: 101 ticks of the notice, paused by a shot on
// display, then the next floor.
#include <gtest/gtest.h>

#include "campaign.h"
#include "play_scene.h"
#include "shell/floor_transition.h"
#include "shell/player_commands.h"
#include "shell/turn_lock.h"
#include "world/settings.h"

namespace {
const std::vector<std::string> OPEN_FLOOR = {"........", "...E....", "........", "........",
                                             "........", "........", "......##", "......#."};

class Transition : public PlayScene {
  protected:
    void TearDown() override { tickMs = 0; } // the other scenes' tick
    // Runs the transition as the turn loop does, holding the turn lock.
    bool enter(ScriptedPlatform& play) {
        play.hold(pointerAt(0, 0));
        play.onPresent = [this](BITMAP* frame) {
            ++frames;
            allNotices &= showsTransition(frame);
        };
        TurnLockHold hold;
        return enterNextFloor(hold);
    }
    int32_t frames = 0;
    bool allNotices = true;
};
} // namespace

TEST_F(Transition, ShowsTheNoticeForOneHundredAndOneTicks) {
    Campaign campaign({FloorFile{OPEN_FLOOR, 2, 1}, FloorFile{OPEN_FLOOR, 3, 1}});
    ASSERT_TRUE(Campaign::start());
    ScriptedPlatform play;
    EXPECT_TRUE(enter(play));
    EXPECT_EQ(play.ticks(), 101);
    EXPECT_GT(frames, 101);
    EXPECT_TRUE(allNotices);
    EXPECT_EQ(floorNumber, 2);
    EXPECT_EQ(unitCount, 3) << "floor 2 is loaded";
    EXPECT_FALSE(tickPending);
}

TEST_F(Transition, CountPausesWhileAShotIsStillShown) {
    Campaign campaign({FloorFile{OPEN_FLOOR, 2, 1}, FloorFile{OPEN_FLOOR, 2, 1}});
    ASSERT_TRUE(Campaign::start());
    shotTimer = TEST_SHOT_TICKS;
    turnState = TURN_NEXT;
    ScriptedPlatform play;
    EXPECT_TRUE(enter(play));
    EXPECT_EQ(play.ticks(), TEST_SHOT_TICKS + 101);
}

TEST_F(Transition, TickAlreadyWaitingIsTheFirstCounted) {
    Campaign campaign({FloorFile{OPEN_FLOOR, 2, 1}, FloorFile{OPEN_FLOOR, 2, 1}});
    ASSERT_TRUE(Campaign::start());
    tickPending = true;
    ScriptedPlatform play;
    EXPECT_TRUE(enter(play));
    EXPECT_EQ(play.ticks(), 100);
}

TEST_F(Transition, PastTheLastFloorSetsAllFloorsDone) {
    Campaign campaign({FloorFile{OPEN_FLOOR, 2, 1}});
    ASSERT_TRUE(Campaign::start());
    ScriptedPlatform play;
    EXPECT_FALSE(enter(play));
    EXPECT_TRUE(allFloorsDone);
    EXPECT_EQ(floorNumber, 2);
}

namespace {
struct SkipCase {
    const char* what;
    int32_t tickMs;
    int32_t pressAt;    // the tick at which the key or button comes
    Moment press;
    int32_t pressTicks; // how long the moment holds
    int32_t endsAt;     // the tick the next floor is loaded after
};
} // namespace

TEST_F(Transition, AKeyOrANewPressEndsItOnceItHasShownForASecond) {
    const Moment key = keyStroke(), button = pressAt(5, 5);
    const SkipCase cases[] = {
        {"a key in the first second is dropped", 59, 16, key, 1, 101},
        {"a key as the second is full", 59, 17, key, 1, 17},
        {"a key later", 59, 60, key, 1, 60},
        {"a key at the last tick but one", 59, 100, key, 1, 100},
        {"a press after the second", 59, 30, button, 1, 30},
        {"a press held from the first second", 59, 10, button, 200, 101},
        {"slow ticks: the first of two", 500, 1, key, 1, 101},
        {"slow ticks: the second of two", 500, 2, key, 1, 2},
        {"a tick of a second and more", 1500, 1, key, 1, 1},
    };
    for (const SkipCase& c : cases) {
        SCOPED_TRACE(c.what);
        Campaign campaign({FloorFile{OPEN_FLOOR, 2, 1}, FloorFile{OPEN_FLOOR, 3, 1}});
        ASSERT_TRUE(Campaign::start());
        tickMs = c.tickMs;
        ScriptedPlatform play;
        play.hold(pointerAt(0, 0), c.pressAt).hold(c.press, c.pressTicks).hold(pointerAt(0, 0));
        TurnLockHold hold;
        EXPECT_TRUE(enterNextFloor(hold));
        EXPECT_EQ(play.ticks(), c.endsAt);
        EXPECT_EQ(unitCount, 3) << "floor 2 is loaded";
        EXPECT_FALSE(tickPending);
        EXPECT_EQ(buttonHeld, c.press.buttons != 0 && c.pressAt + c.pressTicks > c.endsAt)
            << "a button down as it ends is a press taken, not one for the next floor";
    }
}

TEST_F(Transition, AButtonHeldSinceTheMapDoesNotEndIt) {
    Campaign campaign({FloorFile{OPEN_FLOOR, 2, 1}, FloorFile{OPEN_FLOOR, 3, 1}});
    ASSERT_TRUE(Campaign::start());
    tickMs = 59;
    buttonHeld = true; // the shot's press
    ScriptedPlatform play;
    play.hold(pressAt(5, 5));
    TurnLockHold hold;
    EXPECT_TRUE(enterNextFloor(hold));
    EXPECT_EQ(play.ticks(), 101);
}
