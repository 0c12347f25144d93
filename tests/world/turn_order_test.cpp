#include <gtest/gtest.h>

#include <vector>

#include "support/test_floor.h"
#include "world/game_state.h"
#include "world/turn_order.h"

namespace {
// Four units on an open floor, the squad first, with the given accuracies.
void fourUnits(std::vector<int32_t> accuracies, int32_t squad = 2) {
    buildFloor({"......", "......", "......", "......", "......", "......"});
    for (int32_t i = 0; i < static_cast<int32_t>(accuracies.size()); ++i) {
        const int32_t u = addUnit(i < squad ? SIDE_SQUAD : SIDE_ENEMY, i < squad ? 1 : 5, i + 1);
        units[u].accuracy = accuracies[i];
    }
}

std::vector<int32_t> sortedOrder() {
    sortTurnOrder(units.data());
    return turnOrder;
}
} // namespace

TEST(TurnOrderSort, HighestAccuracyActsFirstAndTiesKeepTheirIndexOrder) {
    fourUnits({7, 9, 7, 8});
    EXPECT_EQ(sortedOrder(), (std::vector<int32_t>{1, 3, 0, 2}));

    fourUnits({6, 6, 6, 6});
    EXPECT_EQ(sortedOrder(), (std::vector<int32_t>{0, 1, 2, 3}));

    // A squad member acts before an enemy of equal accuracy.
    fourUnits({5, 9, 9, 5});
    EXPECT_EQ(sortedOrder(), (std::vector<int32_t>{1, 2, 0, 3}));

    fourUnits({5, 6, 7, 8});
    EXPECT_EQ(sortedOrder(), (std::vector<int32_t>{3, 2, 1, 0}));
}

TEST(TurnOrderSort, OneUnitAndNoUnitsAreLeftAlone) {
    fourUnits({7});
    EXPECT_EQ(sortedOrder(), (std::vector<int32_t>{0}));
    fourUnits({});
    EXPECT_TRUE(sortedOrder().empty());
}

TEST(AdvanceTurn, MovesToTheNextUnitThatIsAliveAndOnTheFloor) {
    fourUnits({7, 7, 7, 7});
    units[1].health = 0;
    units[2].onFloor = false; // an enemy never leaves, but the rule is the same
    int32_t slot = 0;
    EXPECT_EQ(advanceTurn(slot, units.data()), TURN_NEXT);
    EXPECT_EQ(slot, 3);
}

TEST(AdvanceTurn, WrapsWithADeadUnitInTheLastSlot) {
    fourUnits({7, 7, 7, 7});
    units[3].health = -2;
    int32_t slot = 2;
    EXPECT_EQ(advanceTurn(slot, units.data()), TURN_ROUND_OVER);
    EXPECT_EQ(slot, 0);
}

TEST(AdvanceTurn, ADeadUnitInSlotZeroStaysThereAfterAWrap) {
    // Its turn is skipped by the frame step, not here.
    fourUnits({7, 7, 7, 7});
    units[0].health = 0;
    int32_t slot = 3;
    EXPECT_EQ(advanceTurn(slot, units.data()), TURN_ROUND_OVER);
    EXPECT_EQ(slot, 0);
}

TEST(AdvanceTurn, ASoldierWhoLeftByTheExitNeverActsAgain) {
    fourUnits({9, 8, 7, 6});
    units[0].onFloor = false;
    int32_t slot = 3;
    EXPECT_EQ(advanceTurn(slot, units.data()), TURN_ROUND_OVER);
    EXPECT_EQ(slot, 1);

    // Leavers at the front are passed, but a dead unit behind them is not.
    units[1].onFloor = false;
    units[2].health = 0;
    slot = 3;
    EXPECT_EQ(advanceTurn(slot, units.data()), TURN_ROUND_OVER);
    EXPECT_EQ(slot, 2);
}

TEST(AdvanceTurn, EndsWhenNobodyCanAct) {
    fourUnits({7, 7, 7, 7}, 4);
    for (Unit& u : units)
        u.onFloor = false;
    for (int32_t start = 0; start < 4; ++start) {
        int32_t slot = start;
        EXPECT_EQ(advanceTurn(slot, units.data()), TURN_ROUND_OVER);
        EXPECT_EQ(slot, 0);
    }
    for (Unit& u : units) {
        u.onFloor = true;
        u.health = 0;
    }
    int32_t slot = 0;
    EXPECT_EQ(advanceTurn(slot, units.data()), TURN_ROUND_OVER);
    EXPECT_EQ(slot, 0);
}

TEST(AdvanceTurn, FollowsTheSortedOrderNotTheIndexOrder) {
    fourUnits({5, 9, 6, 8});
    sortTurnOrder(units.data()); // 1, 3, 2, 0
    units[3].health = 0;
    int32_t slot = 0;
    EXPECT_EQ(advanceTurn(slot, units.data()), TURN_NEXT);
    EXPECT_EQ(slot, 2);
    EXPECT_EQ(turnOrder[slot], 2);
}

TEST(StartRound, GivesEveryUnitItsSpeed) {
    fourUnits({7, 7, 7, 7});
    const int32_t speeds[] = {7, 5, 9, 6};
    for (int32_t i = 0; i < 4; ++i) {
        units[i].speed = speeds[i];
        units[i].actionPoints = i == 0 ? 0 : 12;
    }
    units[1].health = 0;
    units[2].onFloor = false;
    units[3].speed = 6;
    startRound(3, units.data());
    for (int32_t i = 0; i < 3; ++i)
        EXPECT_EQ(units[i].actionPoints, speeds[i]) << i;
    EXPECT_EQ(units[3].actionPoints, 12) << "only the first count units";
}

TEST(FinishTurn, HandsTheTurnOnAndStartsARoundOnlyWhenTheOrderWraps) {
    fourUnits({7, 7, 7, 7});
    for (Unit& u : units)
        u.actionPoints = 0;
    turnSlot = 1;
    turnState = TURN_AWAIT_PLAYER;
    finishTurn();
    EXPECT_EQ(turnSlot, 2);
    EXPECT_EQ(turnState, TURN_NEXT);
    EXPECT_EQ(units[0].actionPoints, 0) << "no new round in the middle of the order";

    turnSlot = 3;
    finishTurn();
    EXPECT_EQ(turnSlot, 0);
    EXPECT_EQ(turnState, TURN_NEXT);
    for (const Unit& u : units)
        EXPECT_EQ(u.actionPoints, u.speed);
}
