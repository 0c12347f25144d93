#include <gtest/gtest.h>

#include "cost_grid.h"
#include "path/path_search.h"
#include "route_drawing.h"
#include "search_recorder.h"

namespace {
const std::vector<std::string> OPEN_5X5 = {".....", ".....", ".....", ".....", "....."};

struct WorkedRoute {
    const char* name;
    std::vector<std::string> map;
    RouteCell from, to;
    Route route;
    int32_t goalCost;
};

const WorkedRoute WORKED_ROUTES[] = {
    {"diagonal", OPEN_5X5, {0, 0}, {2, 2}, {{0, 0}, {1, 1}, {2, 2}}, 2},
    {"diagonal then straight",
     OPEN_5X5,
     {0, 0},
     {4, 2},
     {{0, 0}, {1, 1}, {2, 2}, {3, 2}, {4, 2}},
     4},
    {"along the edge", OPEN_5X5, {0, 0}, {4, 0}, {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}}, 4},
    {"round a wall",
     {".#...", ".#...", ".#...", ".....", "....."},
     {0, 0},
     {2, 0},
     {{0, 0}, {0, 1}, {0, 2}, {1, 3}, {2, 2}, {2, 1}, {2, 0}},
     6},
    {"under a costly row",
     {".555.", ".....", ".....", ".....", "....."},
     {0, 0},
     {4, 0},
     {{0, 0}, {1, 1}, {2, 1}, {3, 1}, {4, 0}},
     4},
};

TEST(PathSearch, WorkedRoutesOnTheFiveByFiveGrid) {
    for (const WorkedRoute& worked : WORKED_ROUTES) {
        SCOPED_TRACE(worked.name);
        CostGrid grid{worked.map};
        PathSearch search;
        useGrid(search, grid);
        ASSERT_TRUE(search.findPath(worked.from.x, worked.from.y, worked.to.x, worked.to.y));
        EXPECT_TRUE(routeIs(worked.map, routeTo(search.bestNode()), worked.route));
        EXPECT_EQ(search.bestNode()->g, worked.goalCost);
        EXPECT_EQ(search.bestNode()->h, 0);
    }
}

TEST(PathSearch, StartOnTheGoalIsARouteOfOneCellWithoutAskingValidFn) {
    CostGrid grid{OPEN_5X5};
    PathSearch search;
    useGrid(search, grid);
    ASSERT_TRUE(search.findPath(3, 1, 3, 1));
    const PathNode* goal = search.bestNode();
    EXPECT_EQ(goal->parent, nullptr);
    EXPECT_EQ(goal->g, 0);
    EXPECT_TRUE(routeIs(OPEN_5X5, routeTo(goal), {{3, 1}}));
    EXPECT_EQ(grid.validCalls, 0);
}

TEST(PathSearch, UnreachableGoalClosesEveryReachableCellAndLeavesNoBestNode) {
    const struct {
        const char* name;
        std::vector<std::string> map;
        size_t reachable;
    } cases[] = {
        {"walled off", {"..#..", "..#..", "###..", ".....", "....."}, 4},
        {"goal refused", {".....", ".....", ".....", ".....", "....#"}, 24},
    };
    for (const auto& unreachable : cases) {
        SCOPED_TRACE(unreachable.name);
        CostGrid grid{unreachable.map};
        PathSearch search;
        SearchRecorder recorder;
        useGrid(search, grid);
        recorder.attach(search);
        EXPECT_FALSE(search.findPath(0, 0, 4, 4));
        EXPECT_EQ(search.bestNode(), nullptr);
        EXPECT_EQ(recorder.popped().size(), unreachable.reachable);
    }
}

TEST(PathSearch, AFailedSearchForgetsTheBestNodeOfTheSearchBefore) {
    CostGrid grid{{"..#.", "..#.", "###.", "...."}};
    PathSearch search;
    useGrid(search, grid);
    ASSERT_TRUE(search.findPath(0, 0, 1, 1));
    EXPECT_FALSE(search.findPath(0, 0, 3, 3));
    EXPECT_EQ(search.bestNode(), nullptr);
}

TEST(PathSearch, OfEqualScoresTheLaterInsertedNodeIsTakenFirst) {
    // (0,1) and then (1,0) enter the open list with f 2; (1,1) is refused.
    CostGrid grid{{"..", ".#"}};
    PathSearch search;
    SearchRecorder recorder;
    useGrid(search, grid);
    recorder.attach(search);
    EXPECT_FALSE(search.findPath(0, 0, 1, 1));
    EXPECT_EQ(recorder.popped(), (Route{{0, 0}, {1, 0}, {0, 1}}));
}

TEST(PathSearch, AnOpenNodeThatGetsCheaperKeepsItsPlaceInTheOpenList) {
    // (1,2) opens at f 12 and drops to f 10 through (0,1), but stays behind
    // (2,2), (2,0) and (3,1).
    CostGrid grid{DETOUR_GRID};
    PathSearch search;
    SearchRecorder recorder;
    useGrid(search, grid);
    recorder.attach(search);
    EXPECT_FALSE(search.findPath(0, 0, 3, 0));
    EXPECT_EQ(recorder.popped(),
              (Route{{0, 0}, {1, 0}, {2, 1}, {0, 1}, {3, 2}, {2, 2}, {2, 0}, {3, 1}, {1, 2}}));
}

TEST(PathSearch, AClosedNodeThatGetsCheaperPassesItOnInTwoPhases) {
    CostGrid grid{DETOUR_GRID};
    PathSearch search;
    SearchRecorder recorder;
    useGrid(search, grid);
    recorder.attach(search);
    EXPECT_FALSE(search.findPath(0, 0, 3, 0));
    // The last event of the search, so the values below are the propagated ones.
    ASSERT_EQ(recorder.notices.back(), childNotice(NOTIFY_CLOSED_BETTER, 1, 2, 2, 2));

    // (2,2), closed at g 8, is reached from (1,2) at g 7.
    const PathNode* improved = recorder.node(2, 2);
    EXPECT_EQ(improved->g, 7);
    EXPECT_EQ(improved->f, 10);
    EXPECT_EQ(improved->parent, recorder.node(1, 2));
    // Phase 1: its child (3,1), at g 11, takes 7 + 1 although entering it costs 4.
    const PathNode* child = recorder.node(3, 1);
    EXPECT_EQ(child->g, 8);
    EXPECT_EQ(child->f, 9);
    EXPECT_EQ(child->parent, improved);
    // Phase 2: (3,1)'s child (2,0), at g 10, passes 8 + 1 < 10 and takes 8 + 5:
    // dearer than before.
    const PathNode* grandchild = recorder.node(2, 0);
    EXPECT_EQ(grandchild->g, 13);
    EXPECT_EQ(grandchild->f, 14);
    EXPECT_EQ(grandchild->parent, child);
    // Nodes the unit-step test rejects keep their values.
    EXPECT_EQ(recorder.node(3, 2)->g, 8);
    EXPECT_EQ(recorder.node(2, 1)->g, 7);
    EXPECT_EQ(recorder.node(1, 0)->g, 5);
}

TEST(PathSearch, RowsBelowTheHeightMakeCellsShareOneNode) {
    // With rows 1 the id is x + y: (1,1) passes for the goal (2,0), and (1,0)
    // is taken for the open node (0,1).
    CostGrid grid{{"...", "...", "..."}};
    PathSearch search;
    useGrid(search, grid);
    search.setRows(1);
    ASSERT_TRUE(search.findPath(0, 0, 2, 0));
    const PathNode* goal = search.bestNode();
    EXPECT_TRUE(routeIs(grid.rows, routeTo(goal), {{0, 0}, {1, 1}}));
    const PathNode* start = goal->parent;
    ASSERT_EQ(start->childCount, 3);
    EXPECT_EQ(start->children[0], start->children[1]);
    EXPECT_EQ(start->children[0]->x, 0);
    EXPECT_EQ(start->children[0]->y, 1);
}

TEST(PathSearch, WithoutCallbacksEveryStepCostsOneAndLeavesTheGrid) {
    PathSearch search;
    search.setRows(100);
    ASSERT_TRUE(search.findPath(0, 2, 3, -2));
    EXPECT_EQ(search.bestNode()->g, 4);
    EXPECT_EQ(search.bestNode()->x, 3);
    EXPECT_EQ(search.bestNode()->y, -2);
}

TEST(PathSearch, TheRouteSurvivesATraceAndStepsMayRunByHand) {
    CostGrid grid{OPEN_5X5};
    PathSearch search;
    useGrid(search, grid);
    search.startSearch(0, 0, 2, 0);
    int32_t result = SEARCH_RUNNING;
    int32_t steps = 0;
    while (result == SEARCH_RUNNING && steps < 100) {
        result = search.searchStep();
        ++steps;
    }
    ASSERT_EQ(result, SEARCH_FOUND);
    const PathNode* goal = search.bestNode();
    EXPECT_TRUE(search.traceLine(0, 4, 4, 0));
    EXPECT_EQ(search.bestNode(), goal);
    EXPECT_TRUE(routeIs(OPEN_5X5, routeTo(goal), {{0, 0}, {1, 0}, {2, 0}}));
}
} // namespace
