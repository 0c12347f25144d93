// The timer tick: a flag when nothing is shown, the shot display's count-down
// otherwise, and the shooter's turn handed on at the tick the display ends.
#include <gtest/gtest.h>

#include "shell/timer_tick.h"
#include "support/test_floor.h"
#include "world/settings.h"

namespace {
class TimerTick : public ::testing::Test {
  protected:
    void SetUp() override {
        buildFloor({"....", "....", "....", "...."});
        shooter = addUnit(SIDE_SQUAD, 0, 0);
        other = addUnit(SIDE_ENEMY, 3, 3);
        units[shooter].actionPoints = 0;
        turnState = TURN_AWAIT_PLAYER;
    }
    int32_t shooter = NO_UNIT;
    int32_t other = NO_UNIT;
};
} // namespace

TEST_F(TimerTick, WithNothingShownRaisesTheFlagOnly) {
    timerTick();
    EXPECT_TRUE(tickPending);
    EXPECT_EQ(turnSlot, 0) << "a soldier without points is not the tick's business then";
    EXPECT_EQ(turnState, TURN_AWAIT_PLAYER);
    timerTick();
    EXPECT_TRUE(tickPending) << "a flag: a second tick merges into the first";
}

TEST_F(TimerTick, ShotDisplayCountsDownAndPausesTheFlag) {
    shotTimer = 3;
    units[shooter].actionPoints = 2;
    timerTick();
    timerTick();
    EXPECT_EQ(shotTimer, 1);
    EXPECT_FALSE(tickPending);
    timerTick();
    EXPECT_EQ(shotTimer, 0);
    EXPECT_FALSE(tickPending) << "the tick that ends the display does not count";
    EXPECT_EQ(turnSlot, 0) << "points left: the soldier keeps the turn";
    timerTick();
    EXPECT_TRUE(tickPending);
}

TEST_F(TimerTick, LastTickOfTheDisplayFinishesTheShootersTurn) {
    shotTimer = 2;
    timerTick();
    EXPECT_EQ(turnSlot, 0);
    EXPECT_EQ(turnState, TURN_AWAIT_PLAYER);
    timerTick();
    EXPECT_EQ(turnSlot, 1);
    EXPECT_EQ(turnState, TURN_NEXT);
}

TEST_F(TimerTick, EnemysShotDisplayLeavesTheTurnAlone) {
    shotTimer = 1;
    turnState = TURN_STILL_ACTING;
    timerTick();
    EXPECT_EQ(shotTimer, 0);
    EXPECT_EQ(turnSlot, 0);
    EXPECT_EQ(turnState, TURN_STILL_ACTING);
}

TEST_F(TimerTick, NoFloorInPlayIsLeftAlone) {
    releaseFloorArrays();
    shotTimer = 1;
    timerTick();
    EXPECT_EQ(shotTimer, 0);
    EXPECT_EQ(turnSlot, 0);
}
