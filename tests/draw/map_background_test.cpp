#include "draw/map_background.h"

#include <allegro.h>

#include <set>

#include "draw/picture_table.h"
#include "draw/pictures.h"
#include "world/cell_table.h"
#include "drawing_fixture.h"

namespace {
int32_t paintedPixels() {
    return 640 * 480 - countColour(mapBackground, 0, 0, 639, 479, BLACK);
}
} // namespace

using MapBackground = DrawingTest;

TEST_F(MapBackground, FloorAndMedkitCellsLeaveTheCanvasBlack) {
    buildFloor({"..+.", "....", ".+..", "...."});
    paint(mapBackground, 0, 0, 639, 479, OTHER_PICTURE); // tiles.bmp's own picture
    drawMapBackground();
    EXPECT_EQ(paintedPixels(), 0);
}

TEST_F(MapBackground, TilesStartOnePixelInFromTheirCellAndTouchWithoutOverlap) {
    buildFloor({"................", "................", "................", "..#c............",
                "................", "................", "................", "................",
                "................", "................", "................", "................",
                "................", "................", "................", "................"});
    drawMapBackground();

    // Wall (2, 3): cell origin (220, 90); cover (3, 3) right beside it.
    EXPECT_TRUE(allColour(mapBackground, 221, 91, 250, 120, WALL));
    EXPECT_TRUE(allColour(mapBackground, 251, 91, 280, 120, COVER));
    EXPECT_TRUE(allColour(mapBackground, 220, 90, 281, 90, BLACK));
    EXPECT_TRUE(allColour(mapBackground, 220, 121, 281, 121, BLACK));
    EXPECT_TRUE(allColour(mapBackground, 220, 90, 220, 121, BLACK));
    EXPECT_TRUE(allColour(mapBackground, 281, 90, 281, 121, BLACK));
    EXPECT_EQ(paintedPixels(), 2 * 30 * 30);
}

TEST_F(MapBackground, OnlyTheTopLeftSixteenPixelsOfALargerWallReachTheTile) {
    // The stand-in wall is 32 x 32 with only its top-left quarter in the wall colour.
    buildFloor({"#.", ".."});
    drawMapBackground();
    // Two columns: tiles of 240 x 240.
    EXPECT_TRUE(allColour(mapBackground, 161, 1, 400, 240, WALL));
    EXPECT_EQ(countColour(mapBackground, 0, 0, 639, 479, WALL_OUTSIDE), 0);
}

TEST_F(MapBackground, TheBorderColumnAndTheTopRowAreNeverPainted) {
    buildFloor({"####", "####", "####", "####"});
    drawMapBackground();
    EXPECT_TRUE(allColour(mapBackground, 160, 0, 160, 479, BLACK));
    EXPECT_TRUE(allColour(mapBackground, 160, 0, 639, 0, BLACK));
    EXPECT_TRUE(allColour(mapBackground, 0, 0, 159, 479, BLACK)) << "the panel's side";
    EXPECT_TRUE(isColour(mapBackground, 161, 1, WALL));
    EXPECT_TRUE(isColour(mapBackground, 639, 479, WALL)) << "tiles of 120 reach the corner";
}

TEST_F(MapBackground, ThirteenColumnsLeaveAStripThatBelongsToNoCell) {
    buildFloor({"#############", "#############", "#############", "#############", "#############",
                "#############", "#############", "#############", "#############", "#############",
                "#############", "#############", "#############"});
    drawMapBackground();
    // Tiles of 36 x 36: the last cell's origin is at x 592, y 432; the cells end
    // at 628 and 468 and twelve columns and rows are left over.
    EXPECT_TRUE(allColour(mapBackground, 593, 433, 628, 468, WALL));
    EXPECT_TRUE(allColour(mapBackground, 629, 0, 639, 479, BLACK));
    EXPECT_TRUE(allColour(mapBackground, 160, 469, 639, 479, BLACK));
}

TEST_F(MapBackground, TheExitShowsTheDoorBeforeTheLastFloorAndTheDiamondOnIt) {
    buildFloor({"E.", ".."});
    floorCount = 3;
    for (int32_t floor = 1; floor <= 3; ++floor) {
        floorNumber = floor;
        drawMapBackground();
        const Rgb expected = floor < 3 ? DOOR : DIAMOND;
        EXPECT_TRUE(allColour(mapBackground, 161, 1, 400, 240, expected)) << "floor " << floor;
    }
}

TEST_F(MapBackground, TheDiamondIsReadAsASquareOfItsOwnWidth) {
    buildFloor({"E.", ".."});
    floorNumber = floorCount = 2;
    drawMapBackground();
    EXPECT_EQ(countColour(mapBackground, 0, 0, 639, 479, DIAMOND_OUTSIDE), 0);
}

TEST(CellTable, EveryKindHasItsOwnCharacterAndAPictureTheGameLoads) {
    std::set<char> seen;
    for (const CellKind& kind : CELL_TABLE) {
        EXPECT_TRUE(seen.insert(kind.mapChar).second) << "'" << kind.mapChar << "' twice";
        EXPECT_EQ(cellCodeOf(kind.mapChar), &kind - CELL_TABLE);
        if (kind.picture) {
            EXPECT_NE(pictureRowOf(kind.picture), nullptr) << kind.picture;
        }
    }
    EXPECT_EQ(cellCodeOf('S'), -1);
}
