#include <gtest/gtest.h>

#include <string>

#include "combat/enemy_behaviour.h"
#include "combat/shot.h"
#include "path/movement_rules.h"
#include "support/test_floor.h"
#include "world/floor_loading.h"
#include "world/random.h"
#include "world/settings.h"

namespace {
constexpr int32_t SHOW_TICKS = 9;
constexpr const char* OPEN[] = {"......", "......", "......"};
constexpr const char* CORRIDORS[] = {"......", "######", "......"};

class EnemyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setShotSoundPlayer(nullptr);
        shotShowTicks = SHOW_TICKS;
        setRandomState(1);
    }

    // The search as a floor load leaves it.
    void floor(std::initializer_list<const char*> rows) {
        buildFloor(rows);
        configurePathSearch(pathSearch, mapWidth);
    }
    void floor(const char* const (&rows)[3]) { floor({rows[0], rows[1], rows[2]}); }

    int32_t enemy(int32_t x, int32_t y, Cell point0, Cell point1) {
        const int32_t i = addUnit(SIDE_ENEMY, x, y);
        units[i].patrolPoints[0][0] = point0.x;
        units[i].patrolPoints[0][1] = point0.y;
        units[i].patrolPoints[1][0] = point1.x;
        units[i].patrolPoints[1][1] = point1.y;
        return i;
    }
    int32_t enemy(int32_t x, int32_t y, Cell point) { return enemy(x, y, point, point); }

    // The acting enemy, already after a target.
    int32_t hunter(int32_t x, int32_t y, int32_t prey, Cell point = {0, 1}) {
        const int32_t i = enemy(x, y, point);
        units[i].alerted = 1;
        units[i].targetIndex = prey;
        turnSlot = i;
        return i;
    }

    // A soldier another enemy has shot; its cell was freed then.
    int32_t fallen(int32_t x, int32_t y) {
        const int32_t i = addUnit(SIDE_SQUAD, x, y);
        units[i].health = 0;
        occupancy[cellIndex(x, y)] = 0;
        return i;
    }

    int32_t actOnTick() {
        tickPending = true;
        return enemyAct(units.data(), pathSearch, turnSlot, fired);
    }

    bool fired = false;
};

// occupancy as rows, '1' for a marked cell.
std::string marks() {
    std::string out;
    for (int32_t y = 0; y < mapHeight; ++y) {
        for (int32_t x = 0; x < mapWidth; ++x)
            out += occupancy[cellIndex(x, y)] == 1 ? '1' : '.';
        out += '\n';
    }
    return out;
}

bool at(const Unit& u, int32_t x, int32_t y) {
    return u.x == x && u.y == y;
}
} // namespace

TEST_F(EnemyTest, ActsOncePerTickAndOnlyForAnEnemy) {
    floor(CORRIDORS);
    const int32_t soldier = addUnit(SIDE_SQUAD, 0, 2);
    const int32_t dead = enemy(5, 2, Cell{1, 2});
    const int32_t guard = enemy(5, 0, Cell{0, 0});
    units[dead].health = 0;

    turnSlot = soldier;
    fired = true;
    EXPECT_EQ(actOnTick(), TURN_AWAIT_PLAYER);
    EXPECT_FALSE(fired);
    EXPECT_TRUE(tickPending);

    turnSlot = dead;
    tickPending = false;
    EXPECT_EQ(enemyAct(units.data(), pathSearch, turnSlot, fired), TURN_NEXT);
    EXPECT_EQ(turnSlot, guard);

    EXPECT_EQ(enemyAct(units.data(), pathSearch, turnSlot, fired), TURN_NEXT);
    EXPECT_TRUE(at(units[guard], 5, 0));
    EXPECT_EQ(actOnTick(), TURN_STILL_ACTING);
    EXPECT_FALSE(tickPending);
    EXPECT_EQ(enemyAct(units.data(), pathSearch, turnSlot, fired), TURN_NEXT);
    EXPECT_TRUE(at(units[guard], 4, 0));
    EXPECT_EQ(units[guard].actionPoints, 6);
}

TEST_F(EnemyTest, APatrolStepMovesItsMarkAndTheLookOutTakesTheFirstLivingSoldier) {
    floor(OPEN);
    fallen(0, 0);
    const int32_t far = addUnit(SIDE_SQUAD, 0, 2);
    addUnit(SIDE_SQUAD, 3, 2);
    const int32_t guard = enemy(5, 2, Cell{4, 2});
    enemy(5, 0, Cell{5, 0});
    turnSlot = guard;
    EXPECT_EQ(actOnTick(), TURN_STILL_ACTING);
    EXPECT_TRUE(at(units[guard], 4, 2));
    EXPECT_EQ(units[guard].alerted, 1);
    EXPECT_EQ(units[guard].targetIndex, far);
    EXPECT_EQ(marks(), ".....1\n"
                       "......\n"
                       "1..11.\n");
}

TEST_F(EnemyTest, WithNobodyInSightThePatrolForgetsItsTarget) {
    floor(CORRIDORS);
    addUnit(SIDE_SQUAD, 0, 0);
    const int32_t guard = enemy(5, 2, Cell{1, 2});
    enemy(0, 2, Cell{0, 2}); // in plain view, but on the same side
    units[guard].targetIndex = 0;
    turnSlot = guard;
    actOnTick();
    EXPECT_EQ(units[guard].alerted, 0);
    EXPECT_EQ(units[guard].targetIndex, NO_UNIT);
}

TEST_F(EnemyTest, TheLookOutTracesFromTheEnemyToTheSoldier) {
    // From (2,1) the line to (0,0) passes (1,0); the other way it meets the wall.
    floor({"....", ".#..", "....", "...."});
    const int32_t soldier = addUnit(SIDE_SQUAD, 0, 0);
    const int32_t guard = enemy(3, 1, Cell{2, 1});
    turnSlot = guard;
    actOnTick();
    ASSERT_TRUE(at(units[guard], 2, 1));
    EXPECT_EQ(units[guard].targetIndex, soldier);
}

TEST_F(EnemyTest, ArrivalSwitchesTheLegAtTheNextAction) {
    floor(CORRIDORS);
    const int32_t guard = enemy(5, 0, Cell{5, 0}, Cell{4, 0});
    turnSlot = guard;
    actOnTick();
    EXPECT_TRUE(at(units[guard], 4, 0));
    EXPECT_EQ(units[guard].patrolLeg, 1);
    actOnTick();
    EXPECT_TRUE(at(units[guard], 5, 0));
    EXPECT_EQ(units[guard].patrolLeg, 0);
}

TEST_F(EnemyTest, AnUnreachablePatrolPointEndsTheTurnWithoutALookOut) {
    const char* const cover[] = {".....c", "......", "......"};
    const char* const walledOff[] = {"....#.", "....#.", "....#."};
    for (const auto* rows : {&cover, &walledOff, &OPEN}) {
        floor(*rows);
        const int32_t soldier = addUnit(SIDE_SQUAD, 0, 1);
        const int32_t guard = enemy(3, 1, Cell{5, 0});
        if (rows == &OPEN)
            enemy(5, 0, Cell{5, 0}); // holds the point
        units[guard].targetIndex = soldier;
        turnSlot = guard;
        EXPECT_EQ(actOnTick(), rows == &OPEN ? TURN_NEXT : TURN_ROUND_OVER);
        EXPECT_TRUE(at(units[guard], 3, 1));
        EXPECT_EQ(units[guard].actionPoints, 0);
        EXPECT_EQ(units[guard].alerted, 0); // the soldier was in plain view
        EXPECT_EQ(units[guard].targetIndex, soldier);
        EXPECT_EQ(occupancy[cellIndex(3, 1)], 1);
    }
}

TEST_F(EnemyTest, FiresAtExactlyTheAttackRangeAndPursuesJustPastIt) {
    for (int32_t row : {0, 1}) {
        floor({"........", "........", "........"});
        const int32_t soldier = addUnit(SIDE_SQUAD, 7, row); // 7.0 or 7.07 away
        const int32_t guard = hunter(0, 0, soldier);
        units[guard].attackRange = 7;
        actOnTick();
        EXPECT_EQ(fired, row == 0);
        EXPECT_EQ(shotTarget, row == 0 ? soldier : NO_UNIT);
        EXPECT_EQ(shotTimer, row == 0 ? SHOW_TICKS : 0);
        EXPECT_EQ(units[guard].x, row == 0 ? 0 : 1);
        EXPECT_EQ(units[guard].actionPoints, row == 0 ? 0 : 6);
    }
}

TEST_F(EnemyTest, APursuitStepLiftsAndRestoresTheTargetsMark) {
    floor(CORRIDORS);
    const int32_t soldier = addUnit(SIDE_SQUAD, 5, 0);
    const int32_t guard = hunter(0, 0, soldier);
    units[guard].attackRange = 3;
    EXPECT_EQ(actOnTick(), TURN_STILL_ACTING);
    EXPECT_EQ(marks(), ".1...1\n"
                       "......\n"
                       "......\n");
}

TEST_F(EnemyTest, AHiddenTargetWithNoWayToItEndsTheTurnWithBothMarks) {
    floor({"....#.", "....#.", "....#."});
    const int32_t soldier = addUnit(SIDE_SQUAD, 5, 1); // in range, behind the wall
    const int32_t guard = hunter(1, 1, soldier);
    EXPECT_EQ(actOnTick(), TURN_ROUND_OVER);
    EXPECT_FALSE(fired);
    EXPECT_TRUE(at(units[guard], 1, 1));
    EXPECT_EQ(units[guard].actionPoints, 0);
    EXPECT_EQ(marks(), "......\n"
                       ".1...1\n"
                       "......\n");
}

TEST_F(EnemyTest, ASurvivingHitPassesTheTurnAtOnce) {
    floor(OPEN);
    const int32_t soldier = addUnit(SIDE_SQUAD, 3, 0);
    const int32_t guard = hunter(0, 0, soldier);
    const int32_t next = enemy(5, 2, Cell{5, 2});
    units[soldier].dodge = 1; // every shot at this range hits
    EXPECT_EQ(actOnTick(), TURN_NEXT);
    EXPECT_EQ(turnSlot, next);
    EXPECT_EQ(units[soldier].health, 20 - shotDamage);
    EXPECT_GT(shotDamage, 0);
    EXPECT_EQ(units[guard].targetIndex, soldier);
    EXPECT_EQ(marks(), "1..1..\n"
                       "......\n"
                       ".....1\n");
}

TEST_F(EnemyTest, AKillLeavesTheKillerOneMorePatrolStep) {
    floor(OPEN);
    const int32_t soldier = addUnit(SIDE_SQUAD, 3, 0);
    const int32_t guard = hunter(0, 0, soldier);
    const int32_t next = enemy(5, 2, Cell{5, 2});
    units[soldier].dodge = 1;
    units[soldier].health = 1;

    EXPECT_EQ(actOnTick(), TURN_NEXT);
    EXPECT_TRUE(fired);
    EXPECT_EQ(squadOnFloor, 0);
    EXPECT_EQ(turnSlot, guard);
    EXPECT_EQ(units[guard].alerted, 0);
    EXPECT_EQ(units[guard].targetIndex, NO_UNIT);
    EXPECT_EQ(marks(), "1.....\n"
                       "......\n"
                       ".....1\n");

    EXPECT_EQ(actOnTick(), TURN_NEXT);
    EXPECT_TRUE(at(units[guard], 0, 1));
    EXPECT_EQ(units[guard].actionPoints, -1);
    EXPECT_EQ(turnSlot, next);
    EXPECT_EQ(marks(), "......\n"
                       "1.....\n"
                       ".....1\n");
}

TEST_F(EnemyTest, ATargetInCoverOrOnTheExitIsGivenUpAndNotSeenAgain) {
    for (const char* row : {"c.....", "E....."}) {
        floor({row, "......", "......"});
        const int32_t soldier = addUnit(SIDE_SQUAD, 0, 0);
        const int32_t guard = hunter(3, 0, soldier, Cell{4, 0});
        EXPECT_EQ(actOnTick(), TURN_NEXT);
        EXPECT_EQ(turnSlot, guard);
        EXPECT_FALSE(fired);
        EXPECT_EQ(units[guard].alerted, 0);
        EXPECT_EQ(units[guard].targetIndex, NO_UNIT);
        EXPECT_EQ(units[guard].actionPoints, 7);
        // The soldier still stands there and keeps its cell.
        EXPECT_EQ(marks(), "1..1..\n"
                           "......\n"
                           "......\n");

        actOnTick();
        EXPECT_TRUE(at(units[guard], 4, 0));
        EXPECT_EQ(units[guard].alerted, 0) << row;
    }
}

TEST_F(EnemyTest, AfterAnotherKillTheFreshTargetStaysMarkedSoThePursuitFails) {
    floor(OPEN);
    const int32_t gone = fallen(2, 0);
    const int32_t other = addUnit(SIDE_SQUAD, 5, 0);
    const int32_t guard = hunter(0, 0, gone);
    units[guard].attackRange = 3;
    units[guard].patrolLeg = 1;

    EXPECT_EQ(actOnTick(), TURN_ROUND_OVER);
    EXPECT_TRUE(at(units[guard], 0, 0));
    EXPECT_EQ(units[guard].alerted, 0);
    EXPECT_EQ(units[guard].targetIndex, other);
    EXPECT_EQ(units[guard].patrolLeg, 0);
    EXPECT_EQ(marks(), "1....1\n"
                       "......\n"
                       "......\n");

    // Its next action is a patrol step.
    units[guard].actionPoints = 7;
    turnSlot = guard;
    actOnTick();
    EXPECT_TRUE(at(units[guard], 0, 1));
}

TEST_F(EnemyTest, AFreshTargetInRangeIsShotInTheSameAction) {
    floor(OPEN);
    const int32_t gone = fallen(2, 0);
    const int32_t other = addUnit(SIDE_SQUAD, 4, 0);
    hunter(0, 0, gone);
    actOnTick();
    EXPECT_TRUE(fired);
    EXPECT_EQ(shotTarget, other);
}

TEST_F(EnemyTest, WhoeverStandsWhereTheTargetFellKeepsTheCell) {
    floor(OPEN);
    const int32_t gone = fallen(2, 0);
    addUnit(SIDE_SQUAD, 5, 2);
    hunter(0, 0, gone);
    enemy(2, 0, Cell{2, 0});
    actOnTick();
    EXPECT_EQ(occupancy[cellIndex(2, 0)], 1);
}

TEST_F(EnemyTest, WithNobodyToTargetTheAlertIsDropped) {
    struct Case {
        int32_t preference;
        int32_t strength;
        bool soldierAlive;
    };
    const Case noLivingSoldier{0, 7, false}, allAtTheBound{1, 100, true}, unknownRule{7, 7, true};
    for (const Case& c : {noLivingSoldier, allAtTheBound, unknownRule}) {
        floor(OPEN);
        const int32_t gone = fallen(2, 0);
        const int32_t soldier = c.soldierAlive ? addUnit(SIDE_SQUAD, 4, 0) : fallen(4, 0);
        units[soldier].strength = c.strength;
        const int32_t guard = hunter(0, 0, gone);
        units[guard].targetPreference = c.preference;

        EXPECT_EQ(actOnTick(), TURN_NEXT) << c.preference;
        EXPECT_EQ(turnSlot, guard);
        EXPECT_FALSE(fired);
        EXPECT_EQ(units[guard].alerted, 0);
        EXPECT_EQ(units[guard].targetIndex, NO_UNIT);
        EXPECT_EQ(units[guard].actionPoints, 7);
        EXPECT_EQ(occupancy[cellIndex(0, 0)], 1);

        actOnTick();
        EXPECT_TRUE(at(units[guard], 0, 1)) << c.preference;
    }
}

TEST_F(EnemyTest, ATargetIndexOutsideTheUnitsIsNeverFollowed) {
    for (int32_t stray : {-5, 2}) {
        floor(OPEN);
        const int32_t soldier = addUnit(SIDE_SQUAD, 4, 0);
        const int32_t guard = hunter(0, 0, stray);
        actOnTick();
        EXPECT_EQ(units[guard].targetIndex, soldier) << stray;
        EXPECT_EQ(shotTarget, soldier) << stray;
    }
}
