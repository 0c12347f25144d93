#include <sstream>

#include <gtest/gtest.h>

#include "path/passability.h"
#include "path/path_search.h"
#include "path/stepping.h"
#include "route_drawing.h"
#include "support/test_floor.h"
#include "world/floor_loading.h"

namespace {
constexpr int32_t WALK_LIMIT = 50;

std::vector<std::string> floorLines() {
    std::vector<std::string> lines;
    std::istringstream in(describeFloor());
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Configured as floor loading leaves it.
struct Stepping : testing::Test {
    PathSearch search;

    void useFloor(std::initializer_list<const char*> rows) {
        buildFloor(rows);
        configurePathSearch(search, mapWidth);
    }

    // One step as the callers make it: lift the unit's mark, step, mark again.
    int32_t step(int32_t unit, Cell goal) {
        Unit& u = units[unit];
        occupancy[cellIndex(u.x, u.y)] = 0;
        const int32_t result = stepTowards(u, goal, search);
        occupancy[cellIndex(u.x, u.y)] = 1;
        return result;
    }

    // Steps until the goal is reached or a step fails; the cells stood on.
    Route walk(int32_t unit, Cell goal) {
        const Unit& u = units[unit];
        Route cells{{u.x, u.y}};
        for (int32_t i = 0; i < WALK_LIMIT && (u.x != goal.x || u.y != goal.y); ++i) {
            if (step(unit, goal) != STEP_MOVED)
                break;
            cells.push_back({u.x, u.y});
        }
        return cells;
    }
};

TEST_F(Stepping, EachStepTakesTheFirstCellOfAFreshRoute) {
    useFloor({".....", ".###.", "....."});
    const int32_t soldier = addUnit(SIDE_SQUAD, 0, 2);
    const std::vector<std::string> map = floorLines();
    EXPECT_TRUE(
        routeIs(map, walk(soldier, Cell{4, 0}), {{0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 1}, {4, 0}}));
    EXPECT_EQ(units[soldier].actionPoints, 7 - 5);
}

TEST_F(Stepping, StepsLeaveOccupancyToTheCaller) {
    useFloor({"...."});
    const int32_t soldier = addUnit(SIDE_SQUAD, 0, 0);
    EXPECT_EQ(stepTowards(units[soldier], Cell{3, 0}, search), STEP_MOVED);
    EXPECT_EQ(occupancy, (std::vector<int32_t>{1, 0, 0, 0}));
}

TEST_F(Stepping, DiagonalStepsSlipBetweenWallCorners) {
    useFloor({".#", "#."});
    const int32_t soldier = addUnit(SIDE_SQUAD, 0, 0);
    EXPECT_TRUE(routeIs(floorLines(), walk(soldier, Cell{1, 1}), {{0, 0}, {1, 1}}));
}

TEST_F(Stepping, OnlyAnUnseenSoldierCrossesCover) {
    useFloor({"...", "#c#", "..."});
    const int32_t soldier = addUnit(SIDE_SQUAD, 1, 0);
    const std::vector<std::string> map = floorLines();

    EXPECT_TRUE(routeIs(map, walk(soldier, Cell{1, 2}), {{1, 0}}));
    EXPECT_EQ(units[soldier].actionPoints, 0) << "a floor goal out of reach ends the turn";

    units[soldier].actionPoints = 7;
    units[soldier].unspotted = true;
    EXPECT_TRUE(routeIs(map, walk(soldier, Cell{1, 2}), {{1, 0}, {1, 1}, {1, 2}}));
}

TEST_F(Stepping, AimingAtCoverOutOfReachCostsAnEnemyItsPointsButNotASoldier) {
    useFloor({"...", "#c#", "..."});
    const int32_t soldier = addUnit(SIDE_SQUAD, 1, 0);
    const int32_t guard = addUnit(SIDE_ENEMY, 1, 2);
    EXPECT_EQ(step(soldier, Cell{1, 1}), STEP_BLOCKED);
    EXPECT_EQ(units[soldier].actionPoints, 7);
    EXPECT_EQ(units[soldier].y, 0);

    turnSlot = 1;
    EXPECT_EQ(step(guard, Cell{1, 1}), STEP_BLOCKED);
    EXPECT_EQ(units[guard].actionPoints, 0);
}

TEST_F(Stepping, AnOccupiedGoalIsOutOfReachUnlessItIsTheExit) {
    useFloor({"....", "...E"});
    floorCount = 2;
    const int32_t soldier = addUnit(SIDE_SQUAD, 0, 0);
    addUnit(SIDE_SQUAD, 2, 0);
    addUnit(SIDE_SQUAD, 3, 1);
    EXPECT_EQ(step(soldier, Cell{2, 0}), STEP_BLOCKED);
    EXPECT_EQ(units[soldier].actionPoints, 0);

    units[soldier].actionPoints = 7;
    EXPECT_TRUE(routeIs(floorLines(), walk(soldier, Cell{3, 1}), {{0, 0}, {1, 1}, {2, 1}, {3, 1}}));
}

TEST_F(Stepping, AMedkitHealsEightUpToTheCeilingAndIsUsedUp) {
    const struct { int32_t before, after; } heals[] = {{5, 13}, {15, 20}, {12, 20}};
    for (const auto& heal : heals) {
        SCOPED_TRACE(heal.before);
        useFloor({"....."});
        addMedkit(4, 0);
        addMedkit(1, 0);
        const int32_t soldier = addUnit(SIDE_SQUAD, 0, 0);
        units[soldier].health = heal.before;
        EXPECT_EQ(step(soldier, Cell{1, 0}), STEP_MOVED);
        EXPECT_EQ(units[soldier].health, heal.after);
        EXPECT_EQ(mapCells[cellIndex(1, 0)], CELL_FLOOR);
        EXPECT_EQ(medkits[1].active, 0);
        EXPECT_EQ(medkits[0].active, 1);
        EXPECT_EQ(mapCells[cellIndex(4, 0)], CELL_MEDKIT);
    }
}

TEST_F(Stepping, TheExitTakesASoldierOffAMiddleFloor) {
    useFloor({".E", ".."});
    floorNumber = 2;
    floorCount = 3;
    const int32_t soldier = addUnit(SIDE_SQUAD, 0, 0);
    addUnit(SIDE_SQUAD, 0, 1);
    EXPECT_EQ(step(soldier, Cell{1, 0}), STEP_MOVED);
    EXPECT_FALSE(units[soldier].onFloor);
    EXPECT_EQ(squadOnFloor, 1);
}

TEST_F(Stepping, TheExitOfTheLastFloorCompletesTheGame) {
    useFloor({".E"});
    floorNumber = floorCount = 3;
    const int32_t soldier = addUnit(SIDE_SQUAD, 0, 0);
    EXPECT_EQ(step(soldier, Cell{1, 0}), STEP_GAME_COMPLETE);
    EXPECT_EQ(units[soldier].x, 1);
    EXPECT_EQ(units[soldier].actionPoints, 6);
    EXPECT_TRUE(units[soldier].onFloor);
    EXPECT_EQ(squadOnFloor, 1);
}

TEST_F(Stepping, AnEnemyOnAMedkitOrTheExitChangesNothing) {
    useFloor({"..E", "..."}); // the last floor: a soldier here would end the game
    addMedkit(0, 0);
    addUnit(SIDE_SQUAD, 0, 1);
    const int32_t guard = addUnit(SIDE_ENEMY, 1, 0);
    units[guard].health = 5;
    EXPECT_EQ(step(guard, Cell{0, 0}), STEP_MOVED);
    EXPECT_EQ(units[guard].health, 5);
    EXPECT_EQ(mapCells[cellIndex(0, 0)], CELL_MEDKIT);
    EXPECT_EQ(medkits[0].active, 1);

    EXPECT_TRUE(routeIs(floorLines(), walk(guard, Cell{2, 0}), {{0, 0}, {1, 0}, {2, 0}}));
    EXPECT_TRUE(units[guard].onFloor);
    EXPECT_EQ(squadOnFloor, 1);
}

TEST_F(Stepping, AUnitWithoutPointsStillStepsAndGoesNegative) {
    useFloor({"..."});
    const int32_t soldier = addUnit(SIDE_SQUAD, 0, 0);
    units[soldier].actionPoints = 0;
    EXPECT_EQ(step(soldier, Cell{2, 0}), STEP_MOVED);
    EXPECT_EQ(units[soldier].actionPoints, -1);
}

TEST_F(Stepping, AStepPutsTheMovementRuleBackAfterASightTest) {
    // Sight rules would refuse the exit and let the unit walk through the soldier.
    useFloor({"...", ".#.", "..E"});
    floorCount = 2;
    search.validFn = canSeeThrough;
    const int32_t soldier = addUnit(SIDE_SQUAD, 0, 0);
    addUnit(SIDE_SQUAD, 1, 0);
    EXPECT_TRUE(routeIs(floorLines(), walk(soldier, Cell{2, 2}), {{0, 0}, {0, 1}, {1, 2}, {2, 2}}));
    EXPECT_EQ(search.validFn, &canEnter);
}

TEST_F(Stepping, APatrolWalksToThePointOfItsLeg) {
    useFloor({".....", "....."});
    addUnit(SIDE_SQUAD, 0, 1);
    const int32_t guard = addUnit(SIDE_ENEMY, 2, 0);
    Unit& g = units[guard];
    g.patrolPoints[0][0] = 0;
    g.patrolPoints[0][1] = 0;
    g.patrolPoints[1][0] = 4;
    g.patrolPoints[1][1] = 1;
    g.patrolLeg = 1;
    occupancy[cellIndex(2, 0)] = 0;
    EXPECT_EQ(patrolStep(g, search), STEP_MOVED);
    EXPECT_EQ(g.x, 3);
    EXPECT_EQ(g.y, 1);
    EXPECT_EQ(g.actionPoints, 6);
}

TEST_F(Stepping, APatrolWithoutARouteEndsItsTurn) {
    useFloor({"..#.."});
    const int32_t guard = addUnit(SIDE_ENEMY, 0, 0);
    units[guard].patrolPoints[0][0] = 4;
    EXPECT_EQ(patrolStep(units[guard], search), STEP_BLOCKED);
    EXPECT_EQ(units[guard].actionPoints, 0);
    EXPECT_EQ(units[guard].x, 0);
}

TEST_F(Stepping, APatrolStandingOnItsPointStaysAndSpendsAPoint) {
    useFloor({"..."});
    const int32_t guard = addUnit(SIDE_ENEMY, 1, 0); // both points on its own cell
    occupancy[cellIndex(1, 0)] = 0;
    EXPECT_EQ(patrolStep(units[guard], search), STEP_MOVED);
    EXPECT_EQ(units[guard].x, 1);
    EXPECT_EQ(units[guard].y, 0);
    EXPECT_EQ(units[guard].actionPoints, 6);
}
} // namespace
