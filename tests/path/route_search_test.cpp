#include <random>
#include <utility>

#include <gtest/gtest.h>

#include "path/route_search.h"
#include "route_drawing.h"
#include "search_recorder.h"
#include "support/test_floor.h"
#include "world/floor_loading.h"

namespace {
constexpr int32_t SIDE = 96; // more cells than a search closes before asking the map
constexpr int32_t FLOORS = 120;

// Walls and cover scattered thick enough to wall off many goals, a few units,
// and one of them acting (its own mark lifted, as the callers do).
Cell randomFloor(std::mt19937& random, int32_t height, double walls) {
    buildFloor({"."});
    mapWidth = SIDE;
    mapHeight = height;
    mapCells.assign(static_cast<size_t>(SIDE) * height, CELL_FLOOR);
    occupancy.assign(mapCells.size(), 0);
    std::uniform_real_distribution<double> chance(0, 1);
    for (int32_t& cell : mapCells)
        cell = chance(random) < walls ? CELL_WALL : chance(random) < 0.1 ? CELL_WALL2 : CELL_FLOOR;
    // A wall across the middle, open at the top: long searches that do end well.
    for (int32_t row = walls < 0.3 ? 1 : height; row < height; ++row)
        mapCells[cellIndex(SIDE / 2, row)] = CELL_WALL;
    std::uniform_int_distribution<int32_t> x(0, SIDE - 1), y(0, height - 1);
    for (int32_t side : {SIDE_SQUAD, SIDE_SQUAD, SIDE_ENEMY, SIDE_ENEMY})
        addUnit(side, x(random), y(random));
    turnSlot = std::uniform_int_distribution<int32_t>(0, unitCount - 1)(random);
    Unit& acting = units[turnOrder[turnSlot]];
    acting.unspotted = static_cast<int32_t>(random() % 2);
    occupancy[cellIndex(acting.x, acting.y)] = 0;
    if (walls < 0.3) // just across the wall: found after a long way round
        return Cell{(acting.x + SIDE / 2) % SIDE, acting.y};
    return Cell{x(random), y(random)};
}

// The map may only answer where no one could tell: square floors and silent
// searches take the short cut, a taller floor (shared ids) or a listener never.
TEST(RouteSearch, FindsWhatTheWholeSearchFinds) {
    std::mt19937 random(20261209);
    int32_t unreachable = 0;
    for (int32_t i = 0; i < FLOORS; ++i) {
        const int32_t height = i % 6 == 5 ? SIDE + 9 : SIDE;
        const Cell goal = randomFloor(random, height, 0.25 + 0.05 * (i % 6));
        const Cell start = cellOf(units[turnOrder[turnSlot]]);
        PathSearch whole, routed;
        SearchRecorder wholeHeard, routedHeard;
        for (PathSearch* search : {&whole, &routed})
            configurePathSearch(*search, SIDE);
        if (i % 10 == 9) {
            wholeHeard.attach(whole);
            routedHeard.attach(routed);
        }
        const bool found = whole.findPath(start.x, start.y, goal.x, goal.y);
        ASSERT_EQ(findRoute(routed, start, goal), found) << "floor " << i;
        EXPECT_EQ(routeTo(routed.bestNode()), routeTo(whole.bestNode())) << "floor " << i;
        if (found) {
            EXPECT_EQ(routed.bestNode()->g, whole.bestNode()->g) << "floor " << i;
        }
        EXPECT_EQ(routedHeard.notices, wholeHeard.notices) << "floor " << i;
        unreachable += found ? 0 : 1;
    }
    EXPECT_GT(unreachable, FLOORS / 4);
    EXPECT_LT(unreachable, FLOORS * 3 / 4);
}

// A kept answer must never outlive what it was found on: after each change the
// steps are those a fresh search finds.
TEST(RouteSearch, AKeptAnswerGoesWithAnyChangeTheRulesRead) {
    using Change = void (*)();
    const std::pair<const char*, Change> changes[] = {
        {"nothing", [] {}},
        {"a wall on the way", [] { mapCells[cellIndex(3, 1)] = CELL_WALL; }},
        {"a unit on the way", [] { occupancy[cellIndex(3, 1)] = 1; }},
        {"the walker seen", [] { units[0].unspotted = 0; }},
        {"an enemy's turn", [] { turnSlot = 1; }},
    };
    for (const auto& [what, change] : changes) {
        // One way only, through cover that only the unseen soldier may cross.
        buildFloor({"#####",
                    ".cc..",
                    "#####",
                    "....."});
        addUnit(SIDE_SQUAD, 0, 1);
        addUnit(SIDE_ENEMY, 4, 3);
        units[0].unspotted = 1;
        occupancy[cellIndex(0, 1)] = 0;
        PathSearch kept, fresh;
        configurePathSearch(kept, mapWidth);
        configurePathSearch(fresh, mapWidth);
        const Cell start{0, 1}, goal{4, 1};
        routeSteps(kept, start, goal);
        change();
        const RouteSteps again = routeSteps(kept, start, goal);
        const bool found = findRoute(fresh, start, goal);
        EXPECT_EQ(again.found, found) << what;
        EXPECT_EQ(again.steps, found ? static_cast<int32_t>(routeTo(fresh.bestNode()).size()) - 1 : 0)
            << what;
    }
}
} // namespace
