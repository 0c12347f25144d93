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

TEST_F(Transition, EndsAtAKeyOrANewPressOnceItHasShownForASecond) {
    struct Case {
        const char* what;
        int32_t tickMs, pressAt, pressTicks;
        Moment press;
        int32_t endsAt;
    };
    const Case cases[] = {
        {"a key in the first second", 59, 16, 1, keyStroke(), 101},
        {"a key as the second is full", 59, 17, 1, keyStroke(), 17},
        {"a press later", 59, 100, 1, pressAt(5, 5), 100},
        {"a press held from the first second", 59, 10, 200, pressAt(5, 5), 101},
        {"a button held from the map", 59, 0, 200, pressAt(5, 5), 101},
        {"a tick longer than a second", 1500, 1, 1, keyStroke(), 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Campaign campaign({FloorFile{OPEN_FLOOR, 2, 1}, FloorFile{OPEN_FLOOR, 3, 1}});
        ASSERT_TRUE(Campaign::start());
        tickMs = c.tickMs;
        buttonHeld = c.pressAt == 0; // the press that fired the last shot
        ScriptedPlatform play;
        if (c.pressAt > 0)
            play.hold(pointerAt(0, 0), c.pressAt);
        play.hold(c.press, c.pressTicks).hold(pointerAt(0, 0));
        TurnLockHold hold;
        EXPECT_TRUE(enterNextFloor(hold));
        EXPECT_EQ(play.ticks(), c.endsAt);
        EXPECT_EQ(buttonHeld, c.press.buttons != 0) << "a button down as it ends is taken";
    }
}
