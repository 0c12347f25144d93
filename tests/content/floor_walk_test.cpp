// Plays every shipped floor far enough to show its squad can leave: each
// soldier in turn walks to the exit with the game's own loader, passability
// and stepping, as if every guard could see it (so cover stays closed).
#include <gtest/gtest.h>

#include "content_files.h"
#include "path/path_search.h"
#include "path/stepping.h"
#include "world/floor_loading.h"
#include "world/floor_state.h"
#include "world/game_state.h"

namespace {

Cell findExit() {
    const int32_t exit = exitIndex(mapCells);
    if (exit >= 0)
        return {exit % mapWidth, exit / mapWidth};
    ADD_FAILURE() << "no exit";
    return {0, 0};
}

// Gives the soldier the turn, as the acting order would, and walks it to
// the goal one step at a time. Returns the last step's result.
int32_t walk(int32_t soldier, Cell goal) {
    for (int32_t slot = 0; slot < unitCount; ++slot)
        if (turnOrder[slot] == soldier)
            turnSlot = slot;
    Unit& u = units[soldier];
    u.unspotted = false;
    int32_t result = STEP_MOVED;
    for (int32_t steps = 0; steps < mapWidth * mapHeight && u.onFloor; ++steps) {
        occupancy[cellIndex(u.x, u.y)] = 0;
        result = stepTowards(u, goal, pathSearch);
        occupancy[cellIndex(u.x, u.y)] = 1;
        if (result != STEP_MOVED)
            break;
    }
    return result;
}

class ShippedFloors : public ::testing::Test {
  protected:
    void SetUp() override {
        before = std::filesystem::current_path();
        std::filesystem::current_path(PROWLGRID_GAME_DIR);
    }
    void TearDown() override { std::filesystem::current_path(before); }
    std::filesystem::path before;
};

} // namespace

TEST_F(ShippedFloors, EverySquadWalksOutOfItsFloorAndTheLastExitWins) {
    for (floorNumber = 1;; ++floorNumber) {
        SCOPED_TRACE("floor " + std::to_string(floorNumber));
        if (!loadFloor(floorNumber)) {
            ASSERT_TRUE(allFloorsDone) << floorLoadError();
            break;
        }
        const Cell exit = findExit();
        if (floorNumber == floorCount) {
            EXPECT_EQ(walk(0, exit), STEP_GAME_COMPLETE);
            continue;
        }
        for (int32_t s = 0; s < squadSize; ++s) {
            EXPECT_EQ(walk(s, exit), STEP_MOVED) << "soldier " << s;
            EXPECT_FALSE(units[s].onFloor)
                << "soldier " << s << " stuck at " << units[s].x << "," << units[s].y;
        }
        EXPECT_EQ(squadOnFloor, 0);
    }
    EXPECT_GE(floorNumber, 6) << "five floors played";
}
