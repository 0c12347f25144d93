#include <gtest/gtest.h>

#include "path/passability.h"
#include "path/path_search.h"
#include "path/sight_test.h"
#include "support/test_floor.h"

namespace {
PathNode at(int32_t x, int32_t y) {
    PathNode node{};
    node.x = x;
    node.y = y;
    return node;
}

int32_t enter(int32_t x, int32_t y) {
    const PathNode node = at(x, y);
    return canEnter(nullptr, &node, 0, 0);
}

int32_t see(int32_t x, int32_t y) {
    const PathNode node = at(x, y);
    return canSeeThrough(nullptr, &node, 0, 0);
}

int32_t price(int32_t x, int32_t y) {
    const PathNode node = at(x, y);
    return stepCost(nullptr, &node, 0, 0);
}

// Floor, cover, wall, exit, medkit along the top row; a free row below.
void buildSampler() {
    buildFloor({".c#E+", "....."});
    floorCount = 2;
}

TEST(Passability, EachKindOfCellForMovementSightAndPrice) {
    buildSampler();
    addUnit(SIDE_SQUAD, 0, 1);
    const struct {
        const char* kind;
        int32_t x, enter, see, price;
    } cells[] = {
        {"floor", 0, 1, 1, 1}, {"cover", 1, 0, 0, 2},  {"wall", 2, 0, 0, 3},
        {"exit", 3, 1, 0, 4},  {"medkit", 4, 1, 1, 5},
    };
    for (const auto& cell : cells) {
        SCOPED_TRACE(cell.kind);
        EXPECT_EQ(enter(cell.x, 0), cell.enter);
        EXPECT_EQ(see(cell.x, 0), cell.see);
        EXPECT_EQ(price(cell.x, 0), cell.price);
    }
}

TEST(Passability, NothingOutsideTheMap) {
    buildSampler();
    addUnit(SIDE_SQUAD, 0, 1);
    const std::pair<int32_t, int32_t> outside[] = {{-1, 0}, {0, -1},  {5, 0},
                                                   {0, 2},  {-1, -1}, {5, 2}};
    for (const auto& cell : outside) {
        SCOPED_TRACE(testing::Message() << cell.first << ',' << cell.second);
        EXPECT_EQ(enter(cell.first, cell.second), 0);
        EXPECT_EQ(see(cell.first, cell.second), 0);
    }
}

TEST(Passability, UnitsBlockEveryCellButTheExitAndNeverBlockSight) {
    buildSampler();
    addUnit(SIDE_SQUAD, 0, 1);
    addUnit(SIDE_SQUAD, 0, 0);
    addUnit(SIDE_SQUAD, 3, 0);
    addUnit(SIDE_ENEMY, 4, 0);
    EXPECT_EQ(enter(0, 0), 0);
    EXPECT_EQ(enter(3, 0), 1);
    EXPECT_EQ(enter(4, 0), 0);
    EXPECT_EQ(see(0, 0), 1);
    EXPECT_EQ(see(4, 0), 1);
}

TEST(Passability, CoverOpensOnlyToTheActingSoldierWhileUnseen) {
    buildSampler();
    const int32_t soldier = addUnit(SIDE_SQUAD, 0, 1);
    const int32_t guard = addUnit(SIDE_ENEMY, 4, 1);
    units[guard].unspotted = true; // an enemy's flag counts for nothing

    units[soldier].unspotted = false;
    EXPECT_EQ(enter(1, 0), 0) << "spotted soldier";
    units[soldier].unspotted = true;
    EXPECT_EQ(enter(1, 0), 1) << "unseen soldier";
    turnSlot = 1;
    EXPECT_EQ(enter(1, 0), 0) << "enemy's turn, soldier still unseen";
}

TEST(Passability, CoverIsClosedWhenNoUnitIsActing) {
    buildSampler();
    EXPECT_EQ(enter(1, 0), 0);
    EXPECT_EQ(enter(0, 0), 1);
}

TEST(SightTest, TracesWithSightRulesAndPutsThePreviousCallbackBack) {
    buildFloor({"....c", ".....", "E...."});
    addUnit(SIDE_SQUAD, 2, 1); // in the way, but units never block sight
    PathSearch search;
    search.validFn = canEnter;
    EXPECT_TRUE(sightTest(search, Cell{0, 1}, Cell{4, 1}));
    EXPECT_EQ(search.validFn, &canEnter);
    EXPECT_FALSE(sightTest(search, Cell{4, 0}, Cell{0, 0})) << "observer on cover";
    EXPECT_EQ(search.validFn, &canEnter);
    EXPECT_FALSE(sightTest(search, Cell{3, 1}, Cell{0, 2})) << "target on the exit";
    search.validFn = nullptr;
    EXPECT_FALSE(sightTest(search, Cell{3, 1}, Cell{0, 2}));
    EXPECT_EQ(search.validFn, nullptr);
}
} // namespace
