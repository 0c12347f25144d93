#include <gtest/gtest.h>

#include <string>

#include "combat/enemy_behaviour.h"
#include "combat/shot.h"
#include "path/movement_rules.h"
#include "support/test_floor.h"
#include "world/random.h"
#include "world/settings.h"

namespace {
constexpr int32_t SHOW_TICKS = 9;

class EnemyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setShotSoundPlayer(nullptr);
        shotShowTicks = SHOW_TICKS;
        setRandomState(1);
    }

    // The search set up as a floor load leaves it.
    void floor(std::initializer_list<const char*> rows) {
        buildFloor(rows);
        pathSearch.costData = pathSearch.notifyData = 0;
        pathSearch.childNotifyFn = pathSearch.listNotifyFn = nullptr;
        pathSearch.setRows(mapWidth);
        pathSearch.costFn = stepCost;
        pathSearch.validFn = canEnter;
    }

    int32_t enemy(int32_t x, int32_t y, Cell point0, Cell point1) {
        const int32_t i = addUnit(SIDE_ENEMY, x, y);
        units[i].patrolPoints[0][0] = point0.x;
        units[i].patrolPoints[0][1] = point0.y;
        units[i].patrolPoints[1][0] = point1.x;
        units[i].patrolPoints[1][1] = point1.y;
        return i;
    }
    int32_t enemy(int32_t x, int32_t y, Cell point) { return enemy(x, y, point, point); }

    void hunting(int32_t hunter, int32_t prey) {
        units[hunter].alerted = 1;
        units[hunter].targetIndex = prey;
    }

    void turnOf(int32_t unit) { turnSlot = unit; }

    int32_t actOnTick() {
        tickPending = true;
        return actNow();
    }
    int32_t actNow() { return enemyAct(units.data(), pathSearch, turnSlot, fired); }

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

// --- Pacing: whose turn, and one action per tick -------------------------

TEST_F(EnemyTest, ASoldiersTurnIsLeftToThePlayer) {
    floor({"....", "....", "....", "...."});
    addUnit(SIDE_SQUAD, 0, 0);
    enemy(3, 3, Cell{2, 3});
    turnOf(0);
    fired = true;
    EXPECT_EQ(actOnTick(), TURN_AWAIT_PLAYER);
    EXPECT_FALSE(fired);
    EXPECT_TRUE(tickPending);
}

TEST_F(EnemyTest, ADeadEnemyIsPassedOverWithoutATick) {
    floor({"....", "....", "....", "...."});
    addUnit(SIDE_SQUAD, 0, 0);
    const int32_t dead = enemy(3, 3, Cell{2, 3});
    const int32_t next = enemy(3, 0, Cell{2, 0});
    units[dead].health = 0;
    turnOf(dead);
    tickPending = false;
    EXPECT_EQ(actNow(), TURN_NEXT);
    EXPECT_EQ(turnSlot, next);
}

TEST_F(EnemyTest, WithoutATickNothingHappens) {
    floor({"....", "....", "....", "...."});
    addUnit(SIDE_SQUAD, 0, 0);
    const int32_t guard = enemy(3, 3, Cell{2, 3});
    turnOf(guard);
    tickPending = false;
    EXPECT_EQ(actNow(), TURN_NEXT);
    EXPECT_TRUE(at(units[guard], 3, 3));
    EXPECT_EQ(units[guard].actionPoints, 7);
    EXPECT_EQ(turnSlot, guard);
}

TEST_F(EnemyTest, OneTickIsOneStep) {
    floor({"......", "######", "......"});
    const int32_t guard = enemy(5, 0, Cell{0, 0});
    turnOf(guard);
    EXPECT_EQ(actOnTick(), TURN_STILL_ACTING);
    EXPECT_FALSE(tickPending);
    EXPECT_EQ(actNow(), TURN_NEXT);
    EXPECT_TRUE(at(units[guard], 4, 0));
    EXPECT_EQ(units[guard].actionPoints, 6);
}

// --- Patrol and look-out -------------------------------------------------

TEST_F(EnemyTest, APatrolStepMovesTheMarkAndTheLookOutSpotsASoldier) {
    floor({"......", "######", "......"});
    const int32_t soldier = addUnit(SIDE_SQUAD, 0, 2);
    const int32_t guard = enemy(5, 2, Cell{1, 2});
    units[guard].targetIndex = soldier + 7; // stale; the look-out writes it afresh
    turnOf(guard);
    EXPECT_EQ(actOnTick(), TURN_STILL_ACTING);
    EXPECT_TRUE(at(units[guard], 4, 2));
    EXPECT_EQ(units[guard].alerted, 1);
    EXPECT_EQ(units[guard].targetIndex, soldier);
    EXPECT_EQ(units[guard].lastSeenX, 0);
    EXPECT_EQ(units[guard].lastSeenY, 2);
    EXPECT_FALSE(fired);
    EXPECT_EQ(marks(), "......\n"
                       "......\n"
                       "1...1.\n");
}

TEST_F(EnemyTest, NobodyInSightLeavesThePatrolUntargeted) {
    floor({"......", "######", "......"});
    addUnit(SIDE_SQUAD, 0, 0);
    const int32_t guard = enemy(5, 2, Cell{1, 2});
    enemy(0, 2, Cell{0, 2}); // in plain view, but on the same side
    units[guard].targetIndex = 0;
    turnOf(guard);
    actOnTick();
    EXPECT_EQ(units[guard].alerted, 0);
    EXPECT_EQ(units[guard].targetIndex, NO_UNIT);
}

TEST_F(EnemyTest, TheLookOutTakesTheFirstLivingSoldierInIndexOrder) {
    floor({"......", "......", "......"});
    const int32_t fallen = addUnit(SIDE_SQUAD, 0, 0);
    const int32_t far = addUnit(SIDE_SQUAD, 0, 2);
    addUnit(SIDE_SQUAD, 3, 2);
    const int32_t guard = enemy(5, 2, Cell{4, 2});
    enemy(5, 0, Cell{5, 0});
    units[fallen].health = 0;
    turnOf(guard);
    actOnTick();
    EXPECT_EQ(units[guard].targetIndex, far);
}

TEST_F(EnemyTest, TheLookOutTracesFromTheEnemyToTheSoldier) {
    // From (2,1) the line to (0,0) passes (1,0); the other way it meets the wall.
    floor({"....", ".#..", "....", "...."});
    const int32_t soldier = addUnit(SIDE_SQUAD, 0, 0);
    const int32_t guard = enemy(3, 1, Cell{2, 1});
    turnOf(guard);
    actOnTick();
    ASSERT_TRUE(at(units[guard], 2, 1));
    EXPECT_EQ(units[guard].alerted, 1);
    EXPECT_EQ(units[guard].targetIndex, soldier);
}

TEST_F(EnemyTest, ASoldierInCoverOrOnTheExitIsNeverSeen) {
    for (const char* row : {"c.....", "E....."}) {
        floor({row, "......", "......"});
        addUnit(SIDE_SQUAD, 0, 0);
        const int32_t guard = enemy(5, 0, Cell{4, 0});
        turnOf(guard);
        actOnTick();
        ASSERT_TRUE(at(units[guard], 4, 0)) << row;
        EXPECT_EQ(units[guard].alerted, 0) << row;
        EXPECT_EQ(units[guard].targetIndex, NO_UNIT) << row;
    }
}

TEST_F(EnemyTest, ArrivalSwitchesTheLegAtTheNextAction) {
    floor({"......", "######", "......"});
    const int32_t guard = enemy(5, 0, Cell{5, 0}, Cell{4, 0});
    turnOf(guard);
    actOnTick();
    EXPECT_TRUE(at(units[guard], 4, 0));
    EXPECT_EQ(units[guard].patrolLeg, 1);
    actOnTick();
    EXPECT_TRUE(at(units[guard], 5, 0));
    EXPECT_EQ(units[guard].patrolLeg, 0);
}

TEST_F(EnemyTest, TheLastStepPassesTheTurn) {
    floor({"......", "######", "......"});
    const int32_t first = enemy(5, 0, Cell{0, 0});
    const int32_t second = enemy(5, 2, Cell{0, 2});
    units[first].actionPoints = 1;
    units[second].actionPoints = 1;
    turnOf(first);
    EXPECT_EQ(actOnTick(), TURN_NEXT);
    EXPECT_EQ(turnSlot, second);
    EXPECT_EQ(actOnTick(), TURN_ROUND_OVER);
    EXPECT_EQ(turnSlot, 0);
}

TEST_F(EnemyTest, AnUnreachablePatrolPointEndsTheTurnWithoutALookOut) {
    struct Case {
        const char* name;
        std::initializer_list<const char*> rows;
        bool pointHeld;
    };
    const Case cases[] = {
        {"cover", {".....c", "......", "......", "......", "......", "......"}, false},
        {"walled off", {"....#.", "....#.", "....#.", "....#.", "....#.", "....#."}, false},
        {"held", {"......", "......", "......", "......", "......", "......"}, true},
    };
    for (const Case& c : cases) {
        floor(c.rows);
        const int32_t soldier = addUnit(SIDE_SQUAD, 0, 1);
        const int32_t guard = enemy(3, 1, Cell{5, 0});
        if (c.pointHeld)
            enemy(5, 0, Cell{5, 0});
        units[guard].targetIndex = soldier;
        turnOf(guard);
        EXPECT_EQ(actOnTick(), c.pointHeld ? TURN_NEXT : TURN_ROUND_OVER) << c.name;
        EXPECT_TRUE(at(units[guard], 3, 1)) << c.name;
        EXPECT_EQ(units[guard].actionPoints, 0) << c.name;
        EXPECT_EQ(units[guard].alerted, 0) << c.name;
        EXPECT_EQ(units[guard].targetIndex, soldier) << c.name;
        EXPECT_EQ(occupancy[cellIndex(3, 1)], 1) << c.name;
    }
}

// --- Alerted: fire or pursue ---------------------------------------------

TEST_F(EnemyTest, FiresAtExactlyTheAttackRange) {
    floor({"........", "........", "........"});
    const int32_t soldier = addUnit(SIDE_SQUAD, 7, 0);
    const int32_t guard = enemy(0, 0, Cell{0, 0});
    units[guard].attackRange = 7;
    hunting(guard, soldier);
    turnOf(guard);
    actOnTick();
    EXPECT_TRUE(fired);
    EXPECT_EQ(shotTarget, soldier);
    EXPECT_EQ(shotTimer, SHOW_TICKS);
    EXPECT_EQ(units[guard].actionPoints, 0);
    EXPECT_TRUE(at(units[guard], 0, 0));
}

TEST_F(EnemyTest, PursuesJustPastTheAttackRange) {
    floor({"........", "........", "........"});
    const int32_t soldier = addUnit(SIDE_SQUAD, 7, 1); // 7.07 away
    const int32_t guard = enemy(0, 0, Cell{0, 0});
    units[guard].attackRange = 7;
    hunting(guard, soldier);
    turnOf(guard);
    EXPECT_EQ(actOnTick(), TURN_STILL_ACTING);
    EXPECT_FALSE(fired);
    EXPECT_EQ(shotTarget, NO_UNIT);
    EXPECT_EQ(units[guard].x, 1);
    EXPECT_EQ(units[guard].actionPoints, 6);
}

TEST_F(EnemyTest, PursuesATargetInRangeButOutOfSight) {
    floor({"......", "..#...", "......"});
    const int32_t soldier = addUnit(SIDE_SQUAD, 4, 1);
    const int32_t guard = enemy(0, 1, Cell{0, 1});
    hunting(guard, soldier);
    turnOf(guard);
    actOnTick();
    EXPECT_FALSE(fired);
    EXPECT_EQ(units[guard].x, 1);
}

TEST_F(EnemyTest, APursuitStepRestoresBothMarks) {
    floor({"......", "######", "......"});
    const int32_t soldier = addUnit(SIDE_SQUAD, 5, 0);
    const int32_t guard = enemy(0, 0, Cell{0, 0});
    units[guard].attackRange = 3;
    hunting(guard, soldier);
    turnOf(guard);
    EXPECT_EQ(actOnTick(), TURN_STILL_ACTING);
    EXPECT_TRUE(at(units[guard], 1, 0));
    EXPECT_EQ(marks(), ".1...1\n"
                       "......\n"
                       "......\n");
}

TEST_F(EnemyTest, ABlockedPursuitEndsTheTurnWithBothMarks) {
    floor({"....#.", "....#.", "....#.", "....#.", "....#.", "....#."});
    const int32_t soldier = addUnit(SIDE_SQUAD, 5, 1);
    const int32_t guard = enemy(1, 1, Cell{1, 1});
    hunting(guard, soldier);
    turnOf(guard);
    EXPECT_EQ(actOnTick(), TURN_ROUND_OVER);
    EXPECT_TRUE(at(units[guard], 1, 1));
    EXPECT_EQ(units[guard].actionPoints, 0);
    EXPECT_EQ(units[guard].alerted, 1);
    EXPECT_EQ(occupancy[cellIndex(1, 1)], 1);
    EXPECT_EQ(occupancy[cellIndex(5, 1)], 1);
}

TEST_F(EnemyTest, ASurvivingHitPassesTheTurnAtOnce) {
    floor({"......", "......", "......"});
    const int32_t soldier = addUnit(SIDE_SQUAD, 3, 0);
    const int32_t guard = enemy(0, 0, Cell{0, 1});
    const int32_t next = enemy(5, 2, Cell{5, 2});
    units[soldier].dodge = 1; // every shot at this range hits
    hunting(guard, soldier);
    turnOf(guard);
    EXPECT_EQ(actOnTick(), TURN_NEXT);
    EXPECT_EQ(turnSlot, next);
    EXPECT_TRUE(fired);
    EXPECT_GT(shotDamage, 0);
    EXPECT_EQ(units[soldier].health, 20 - shotDamage);
    EXPECT_EQ(units[guard].alerted, 1);
    EXPECT_EQ(units[guard].targetIndex, soldier);
    EXPECT_EQ(marks(), "1..1..\n"
                       "......\n"
                       ".....1\n");
}

TEST_F(EnemyTest, AKillLeavesTheKillerOneMorePatrolStep) {
    floor({"......", "......", "......"});
    const int32_t soldier = addUnit(SIDE_SQUAD, 3, 0);
    const int32_t guard = enemy(0, 0, Cell{0, 1});
    const int32_t next = enemy(5, 2, Cell{5, 2});
    units[soldier].dodge = 1;
    units[soldier].health = 1;
    hunting(guard, soldier);
    turnOf(guard);

    EXPECT_EQ(actOnTick(), TURN_NEXT);
    EXPECT_TRUE(fired);
    EXPECT_LE(units[soldier].health, 0);
    EXPECT_EQ(squadOnFloor, 0);
    EXPECT_EQ(turnSlot, guard);
    EXPECT_EQ(units[guard].alerted, 0);
    EXPECT_EQ(units[guard].targetIndex, NO_UNIT);
    EXPECT_EQ(units[guard].actionPoints, 0);
    EXPECT_EQ(marks(), "1.....\n"
                       "......\n"
                       ".....1\n");

    EXPECT_EQ(actOnTick(), TURN_NEXT);
    EXPECT_FALSE(fired);
    EXPECT_TRUE(at(units[guard], 0, 1));
    EXPECT_EQ(units[guard].actionPoints, -1);
    EXPECT_EQ(turnSlot, next);
    EXPECT_EQ(marks(), "......\n"
                       "1.....\n"
                       ".....1\n");
}

// --- Alerted: losing or changing the target -------------------------------

TEST_F(EnemyTest, ATargetInCoverOrOnTheExitIsGivenUp) {
    for (const char* row : {"c.....", "E....."}) {
        floor({row, "......", "......"});
        const int32_t soldier = addUnit(SIDE_SQUAD, 0, 0);
        const int32_t guard = enemy(3, 0, Cell{4, 0});
        hunting(guard, soldier);
        turnOf(guard);
        EXPECT_EQ(actOnTick(), TURN_NEXT) << row;
        EXPECT_FALSE(tickPending);
        EXPECT_EQ(turnSlot, guard);
        EXPECT_FALSE(fired);
        EXPECT_EQ(units[guard].alerted, 0) << row;
        EXPECT_EQ(units[guard].targetIndex, NO_UNIT) << row;
        EXPECT_EQ(units[guard].actionPoints, 7) << row;
        // The soldier still stands there and keeps its cell.
        EXPECT_EQ(marks(), "1..1..\n"
                           "......\n"
                           "......\n")
            << row;

        actOnTick();
        EXPECT_TRUE(at(units[guard], 4, 0)) << row;
        EXPECT_EQ(units[guard].alerted, 0) << row;
    }
}

TEST_F(EnemyTest, AfterAnotherKillTheFreshTargetIsStillMarkedSoThePursuitFails) {
    floor({"......", "......", "......"});
    const int32_t fallen = addUnit(SIDE_SQUAD, 2, 0);
    const int32_t other = addUnit(SIDE_SQUAD, 5, 0);
    const int32_t guard = enemy(0, 0, Cell{0, 1}, Cell{5, 2});
    units[fallen].health = 0;
    occupancy[cellIndex(2, 0)] = 0; // freed by its killer
    units[guard].attackRange = 3;
    units[guard].patrolLeg = 1;
    hunting(guard, fallen);
    turnOf(guard);

    EXPECT_EQ(actOnTick(), TURN_ROUND_OVER);
    EXPECT_TRUE(at(units[guard], 0, 0));
    EXPECT_EQ(units[guard].actionPoints, 0);
    EXPECT_EQ(units[guard].alerted, 0);
    EXPECT_EQ(units[guard].targetIndex, other);
    EXPECT_EQ(units[guard].patrolLeg, 0);
    EXPECT_EQ(marks(), "1....1\n"
                       "......\n"
                       "......\n");

    // Next round it patrols towards its first point.
    units[guard].actionPoints = 7;
    turnOf(guard);
    actOnTick();
    EXPECT_TRUE(at(units[guard], 0, 1));
}

TEST_F(EnemyTest, AFreshTargetInRangeIsShotInTheSameAction) {
    floor({"......", "......", "......"});
    const int32_t fallen = addUnit(SIDE_SQUAD, 2, 0);
    const int32_t other = addUnit(SIDE_SQUAD, 4, 0);
    const int32_t guard = enemy(0, 0, Cell{0, 1});
    units[fallen].health = 0;
    occupancy[cellIndex(2, 0)] = 0;
    hunting(guard, fallen);
    turnOf(guard);
    EXPECT_EQ(actOnTick(), TURN_ROUND_OVER);
    EXPECT_TRUE(fired);
    EXPECT_EQ(shotTarget, other);
    EXPECT_EQ(units[guard].alerted, 0);
    EXPECT_EQ(marks(), "1...1.\n"
                       "......\n"
                       "......\n");
}

TEST_F(EnemyTest, WhoeverStandsWhereTheTargetFellKeepsTheCell) {
    floor({"......", "......", "......"});
    const int32_t fallen = addUnit(SIDE_SQUAD, 2, 0);
    addUnit(SIDE_SQUAD, 5, 2);
    const int32_t guard = enemy(0, 0, Cell{0, 1});
    enemy(2, 0, Cell{2, 0}); // walked in after the kill
    units[fallen].health = 0;
    units[guard].attackRange = 1;
    hunting(guard, fallen);
    turnOf(guard);
    actOnTick();
    EXPECT_EQ(occupancy[cellIndex(2, 0)], 1);
}

TEST_F(EnemyTest, WithNobodyToTargetTheAlertIsDropped) {
    struct Case {
        const char* name;
        int32_t preference;
        int32_t strength;
        bool soldierAlive;
    };
    const Case cases[] = {
        {"no living soldier", 0, 7, false},
        {"all at the bound", 1, 100, true},
        {"unknown rule", 7, 7, true},
    };
    for (const Case& c : cases) {
        floor({"......", "......", "......"});
        const int32_t fallen = addUnit(SIDE_SQUAD, 2, 0);
        const int32_t soldier = addUnit(SIDE_SQUAD, 4, 0);
        const int32_t guard = enemy(0, 0, Cell{0, 1});
        units[fallen].health = 0;
        occupancy[cellIndex(2, 0)] = 0;
        units[soldier].strength = c.strength;
        if (!c.soldierAlive) {
            units[soldier].health = 0;
            occupancy[cellIndex(4, 0)] = 0;
        }
        units[guard].targetPreference = c.preference;
        hunting(guard, fallen);
        turnOf(guard);

        EXPECT_EQ(actOnTick(), TURN_NEXT) << c.name;
        EXPECT_EQ(turnSlot, guard) << c.name;
        EXPECT_FALSE(fired) << c.name;
        EXPECT_EQ(units[guard].alerted, 0) << c.name;
        EXPECT_EQ(units[guard].targetIndex, NO_UNIT) << c.name;
        EXPECT_EQ(units[guard].actionPoints, 7) << c.name;
        EXPECT_EQ(occupancy[cellIndex(0, 0)], 1) << c.name;
        EXPECT_EQ(occupancy[cellIndex(4, 0)], c.soldierAlive ? 1 : 0) << c.name;

        actOnTick();
        EXPECT_TRUE(at(units[guard], 0, 1)) << c.name;
    }
}

TEST_F(EnemyTest, ATargetIndexOutsideTheUnitsIsNeverFollowed) {
    for (int32_t stray : {-1, -5, 2, 1000}) {
        floor({"......", "......", "......"});
        const int32_t soldier = addUnit(SIDE_SQUAD, 4, 0);
        const int32_t guard = enemy(0, 0, Cell{0, 1});
        hunting(guard, stray);
        turnOf(guard);
        actOnTick();
        EXPECT_EQ(units[guard].targetIndex, soldier) << stray;
        EXPECT_TRUE(fired) << stray;
        EXPECT_EQ(marks(), "1...1.\n"
                           "......\n"
                           "......\n")
            << stray;
    }
}
