#include <gtest/gtest.h>

#include <vector>

#include "game_files.h"
#include "support/test_floor.h"
#include "world/game_state.h"
#include "world/random.h"
#include "world/unit_generation.h"

namespace {
void openFloor(int32_t side) {
    buildFloor({});
    mapWidth = mapHeight = side;
    mapCells.assign(static_cast<size_t>(side) * side, CELL_FLOOR);
    occupancy.assign(mapCells.size(), 0);
}

void generate(int32_t count, int32_t squad) {
    units.assign(count, Unit{});
    turnOrder.assign(count, -7);
    unitCount = count;
    squadSize = squad;
    generateUnits(count, units.data(), squad, mapWidth);
}

uint32_t stateAfter(uint32_t start, int32_t draws) {
    TestRandom r{start};
    for (int32_t i = 0; i < draws; ++i)
        r.next();
    return r.state;
}
} // namespace

TEST(GenerateUnits, SquadOnTheLeftEnemiesOnTheRightFromTheBottomUp) {
    openFloor(12);
    setRandomState(1);
    generate(7, 4);
    const int32_t expected[7][2] = {{1, 1}, {1, 2}, {1, 3}, {1, 4}, {11, 11}, {11, 10}, {11, 9}};
    for (int32_t i = 0; i < 7; ++i) {
        EXPECT_EQ(units[i].x, expected[i][0]) << i;
        EXPECT_EQ(units[i].y, expected[i][1]) << i;
        EXPECT_EQ(units[i].side, i < 4 ? SIDE_SQUAD : SIDE_ENEMY) << i;
    }
}

TEST(GenerateUnits, FirstSoldierFromAFreshGeneratorMatchesTheKnownSequence) {
    // Draws 41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, then 26962.
    openFloor(12);
    setRandomState(1);
    generate(1, 1);
    const Unit& u = units[0];
    EXPECT_EQ(u.speed, 6);
    EXPECT_EQ(u.dodge, 7);
    EXPECT_EQ(u.accuracy, 7) << "a rolled 5 is raised by 2 for the squad";
    EXPECT_EQ(u.strength, 9);
    EXPECT_EQ(u.attackRange, 11);
    EXPECT_EQ(u.targetPreference, 3);
    EXPECT_EQ(u.weaponSound, 1);
    EXPECT_EQ(u.health, SQUAD_HEALTH);
    EXPECT_EQ(u.maxHealth, SQUAD_HEALTH);
    EXPECT_EQ(u.damageMax, 4);
    EXPECT_EQ(u.longRange, 10);
    EXPECT_EQ(u.shortRange, 6);
    EXPECT_EQ(u.actionPoints, 6);
    EXPECT_TRUE(u.unspotted);
    EXPECT_EQ(randomState(), stateAfter(1, 9));
}

TEST(GenerateUnits, OnlyASquadAccuracyOfFiveIsRaised) {
    openFloor(12);
    setRandomState(1); // rolls a 5 for accuracy
    generate(1, 0);
    EXPECT_EQ(units[0].accuracy, 5) << "an enemy's 5 stays";

    TestRandom r{3};
    for (int i = 0; i < 3; ++i)
        r.next();
    ASSERT_EQ(r.next() % 5 + 5, 6) << "state 3 rolls a 6 for accuracy";
    setRandomState(3);
    generate(1, 1);
    EXPECT_EQ(units[0].accuracy, 6);
}

TEST(GenerateUnits, EveryRecordStartsTheFloorClean) {
    openFloor(12);
    shotTimer = 4;
    setRandomState(77);
    units.assign(5, Unit{});
    for (Unit& u : units) {
        u.targetIndex = 3;
        u.alerted = 1;
        u.patrolLeg = 1;
        u.onFloor = false;
        u.health = -4;
    }
    turnOrder.assign(5, 4);
    unitCount = 5;
    squadSize = 2;
    generateUnits(5, units.data(), 2, 12);
    EXPECT_EQ(shotTimer, 0);
    EXPECT_EQ(turnOrder, (std::vector<int32_t>{0, 1, 2, 3, 4}));
    for (int32_t i = 0; i < 5; ++i) {
        const Unit& u = units[i];
        EXPECT_EQ(u.targetIndex, NO_UNIT) << i;
        EXPECT_EQ(u.alerted, 0) << i;
        EXPECT_EQ(u.patrolLeg, 0) << i;
        EXPECT_TRUE(u.onFloor) << i;
        EXPECT_EQ(u.health, u.maxHealth) << i;
        EXPECT_EQ(u.actionPoints, u.speed) << i;
    }
}

TEST(GenerateUnits, PatrolPointsRedrawUntilTheyMissWallsAndExits) {
    // One cover cell is the only place a guard may patrol to; every other
    // cell is wall or exit, so both points land on it after some redraws.
    buildFloor({"####", "#E##", "##c#", "####"});
    setRandomState(1);
    generate(1, 0);
    EXPECT_EQ(units[0].patrolPoints[0][0], 2);
    EXPECT_EQ(units[0].patrolPoints[0][1], 2);
    EXPECT_EQ(units[0].patrolPoints[1][0], 2);
    EXPECT_EQ(units[0].patrolPoints[1][1], 2);

    TestRandom r;
    for (int i = 0; i < 9; ++i)
        r.next();
    int32_t attempts = 0;
    for (int leg = 0; leg < 2; ++leg) {
        int32_t x, y;
        do {
            x = r.next() % 4;
            y = r.next() % 4;
            ++attempts;
        } while (!(x == 2 && y == 2));
    }
    EXPECT_GT(attempts, 2);
    EXPECT_EQ(randomState(), r.state) << "two draws per attempt, nothing more";
}

TEST(GenerateUnits, AGuardOnAMapWithoutPatrolCellsStaysPut) {
    buildFloor({"###", "#E#", "###"});
    setRandomState(1);
    generate(1, 0);
    EXPECT_EQ(units[0].patrolPoints[0][0], 2);
    EXPECT_EQ(units[0].patrolPoints[0][1], 2);
    EXPECT_EQ(units[0].patrolPoints[1][0], 2);
    EXPECT_EQ(units[0].patrolPoints[1][1], 2);
    EXPECT_EQ(randomState(), stateAfter(1, 9));
}
