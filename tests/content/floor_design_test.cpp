#include <gtest/gtest.h>

#include "floor_design.h"
#include "text_floor.h"
#include "world/game_state.h"

namespace {

// A floor of these rows with a squad of `squad` and `enemies` enemies.
TextFloor makeFloor(int squad, int enemies, const std::string& rows) {
    TextFloor floor;
    std::string why;
    const std::string text = "name t\nunits " + std::to_string(squad + enemies) + "\nsquad " +
                             std::to_string(squad) + "\nmedkits 0\nmap\n" + rows;
    EXPECT_TRUE(parseTextFloor(text, floor, why)) << why;
    return floor;
}

std::string design(const TextFloor& f) {
    return checkFloorDesign(f.plan, f.grid);
}

FloorPlan squadOf(int32_t size) {
    FloorPlan plan;
    plan.squadSize = size;
    plan.unitCount = size + 1;
    return plan;
}

} // namespace

TEST(FloorDesign, AcceptsAFloorWhoseSquadCanWalkToTheExit) {
    EXPECT_EQ(design(makeFloor(2, 1, "....\n.S.E\n.S..\n...X\n")), "");
}

TEST(FloorDesign, RefusesStartCellsOnWallsCoverOrTheExit) {
    EXPECT_EQ(design(makeFloor(2, 0, "....\n.S.E\n.#..\n....\n")),
              "has the squad start (column 1, row 2) on a wall");
    EXPECT_EQ(design(makeFloor(2, 0, "....\n.S.E\n.c..\n....\n")),
              "has the squad start (column 1, row 2) on cover");
    EXPECT_EQ(design(makeFloor(1, 0, "....\n.E..\n....\n....\n")),
              "has the squad start (column 1, row 1) on the exit");
    EXPECT_EQ(design(makeFloor(1, 2, "....\n.S.E\n...#\n...X\n")),
              "has the enemy start (column 3, row 2) on a wall");
}

TEST(FloorDesign, NeedsExactlyOneExit) {
    EXPECT_EQ(design(makeFloor(1, 0, "....\n.S..\n....\n....\n")), "has no exit");
    EXPECT_EQ(design(makeFloor(1, 0, "...E\n.S..\n....\nE...\n")),
              "has 2 exits, (column 3, row 0) and (column 0, row 3) among them; a floor has one");
}

TEST(FloorDesign, RefusesAnExitOutOfReachOfAnySoldier) {
    // The exit is walled in.
    EXPECT_EQ(design(makeFloor(1, 0, ".....\n.S...\n.....\n...##\n...#E\n")),
              "has its exit (column 4, row 4) out of reach of the squad start (column 1, row 1) "
              "over open floor "
              "(cover does not count)");
    // A wall from top to bottom cuts the floor in two.
    EXPECT_EQ(design(makeFloor(2, 0, "..#..\n.S#..\n.S#.E\n..#..\n..#..\n")),
              "has its exit (column 4, row 2) out of reach of the squad start (column 1, row 1) "
              "over open floor "
              "(cover does not count)");
}

TEST(FloorDesign, CoverDoesNotCountAsAWayThrough) {
    // The only way to the exit passes a curtain: an unseen soldier could use
    // it, but a seen one could not, so the floor is refused.
    EXPECT_NE(design(makeFloor(1, 0, ".....\n.S...\n.....\n...cc\n...cE\n")), "");
}

TEST(FloorDesign, DiagonalStepsPassBetweenTwoWalls) {
    // From (column 2, row 2) to (column 3, row 3) between the walls at (column 3, row 2) and
    // (column 2, row 3), as the game allows.
    EXPECT_EQ(design(makeFloor(1, 0, "...##\n.S.##\n...##\n##...\n##..E\n")), "");
}

TEST(FloorDesign, AMedkitCellIsOpenFloor) {
    TextFloor f = makeFloor(1, 0, ".....\n.S...\n#####\n.....\n....E\n");
    EXPECT_NE(design(f), "");
    f.grid.cells[2 * 5 + 2] = CELL_MEDKIT; // the one gap in the wall
    EXPECT_EQ(design(f), "");
}

TEST(FloorDesign, TheSquadNeverGrowsFromOneFloorToTheNext) {
    EXPECT_EQ(checkSquadSizes({}), "");
    EXPECT_EQ(checkSquadSizes({squadOf(4), squadOf(4), squadOf(3), squadOf(3)}), "");
    EXPECT_EQ(checkSquadSizes({squadOf(4), squadOf(2), squadOf(3)}),
              "gives floor 3 a squad of 3, larger than the 2 of the floor before");
    // A listed squad above four plays as four.
    EXPECT_EQ(checkSquadSizes({squadOf(6), squadOf(4)}), "");
    EXPECT_EQ(checkSquadSizes({squadOf(3), squadOf(6)}),
              "gives floor 2 a squad of 4, larger than the 3 of the floor before");
}

TEST(FloorDesign, IgnoresAndKeepsTheGameInPlay) {
    // A game in play whose acting soldier is unseen, so the game's own rules
    // would open cover to it; the check must neither use nor disturb that.
    mapWidth = 2;
    mapHeight = 2;
    mapCells = {CELL_FLOOR, CELL_WALL2, CELL_EXIT, CELL_FLOOR};
    occupancy = {1, 0, 0, 1};
    Unit soldier{};
    soldier.side = SIDE_SQUAD;
    soldier.unspotted = true;
    units = {soldier};
    turnOrder = {0};
    turnSlot = 0;

    EXPECT_NE(design(makeFloor(1, 0, ".....\n.S...\n.....\n...cc\n...cE\n")), "");
    // Checked on its own grid, not on the game's 2x2 map.
    EXPECT_EQ(design(makeFloor(1, 0, ".....\n.S...\n.....\n.....\n....E\n")), "");

    EXPECT_EQ(mapWidth, 2);
    EXPECT_EQ(mapHeight, 2);
    EXPECT_EQ(mapCells, (std::vector<int32_t>{CELL_FLOOR, CELL_WALL2, CELL_EXIT, CELL_FLOOR}));
    EXPECT_EQ(occupancy, (std::vector<int32_t>{1, 0, 0, 1}));
    EXPECT_EQ(turnSlot, 0);
    units.clear();
    turnOrder.clear();
    mapCells.clear();
    occupancy.clear();
}
