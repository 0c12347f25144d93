#include <allegro.h>

#include "frame_fixture.h"

// A corridor along the top row, ending at the exit; below it solid walls with
// one closed pocket at (8, 8).
class PathPreview : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        constexpr const char* w = "################";
        buildFloor(
            {"...............E", w, w, w, w, w, w, w, "########.#######", w, w, w, w, w, w, w});
        soldier = addUnit(SIDE_SQUAD, 0, 0);
        units[soldier].actionPoints = 5;
        finishLoading();
    }
    void hover(int32_t x, int32_t y) { drawFrame(left(x) + 3, top(y) + 24); }

    int32_t soldier = 0;
};

TEST_F(PathPreview, ANeighbourIsOneStep) {
    hover(1, 0);
    EXPECT_TRUE(cellShowsPreview(1, 0, "1", GREEN));
}

TEST_F(PathPreview, ExactlyTheActionPointsIsGreenOneStepMoreIsRed) {
    hover(5, 0);
    EXPECT_TRUE(cellShowsPreview(5, 0, "5", GREEN));
    EXPECT_EQ(framePixels(RED), 0);

    hover(6, 0);
    EXPECT_TRUE(cellShowsPreview(6, 0, "6", RED));
    EXPECT_EQ(framePixels(GREEN), 0);
}

TEST_F(PathPreview, WithNoPointsLeftEvenANeighbourIsRed) {
    units[soldier].actionPoints = 0;
    hover(1, 0);
    EXPECT_TRUE(cellShowsPreview(1, 0, "1", RED));
}

TEST_F(PathPreview, AnUnreachableCellShowsNoughtInRed) {
    units[soldier].actionPoints = 99;
    hover(8, 8);
    EXPECT_TRUE(cellShowsPreview(8, 8, "0", RED));
}

TEST_F(PathPreview, TheFrameIsTwoPixelsThickOnePixelInFromTheCell) {
    hover(3, 0);
    const int32_t x = left(3);
    const int32_t y = top(0);
    for (int32_t inset : {1, 2}) {
        EXPECT_TRUE(allColour(backBuffer, x + inset, y + 30 - inset, x + 30 - inset, y + 30 - inset,
                              GREEN));
        EXPECT_TRUE(allColour(backBuffer, x + inset, y + inset, x + inset, y + 30 - inset, GREEN));
        EXPECT_TRUE(allColour(backBuffer, x + 30 - inset, y + inset, x + 30 - inset, y + 30 - inset,
                              GREEN));
    }
    EXPECT_EQ(framePixels(GREEN), (4 * 29 - 4) + (4 * 27 - 4))
        << "two squares, 29 and 27 wide\n"
        << sketch(backBuffer, x, y, x + 30, y + 30, GREEN);
}

TEST_F(PathPreview, StepsAreCountedNotThePriceOfTheCells) {
    addMedkit(2, 0); // costs 5 to enter, still one step
    hover(5, 0);
    EXPECT_TRUE(cellShowsPreview(5, 0, "5", GREEN));
}

TEST_F(PathPreview, AMedkitOnTheHoveredCellCoversTheNumberAndTheFrame) {
    addMedkit(4, 0);
    hover(4, 0);
    EXPECT_TRUE(allColour(backBuffer, left(4) + 1, 1, left(4) + 30, 30, MEDKIT));
    EXPECT_EQ(framePixels(GREEN) + framePixels(WHITE), 0);
}

TEST_F(PathPreview, AnExitWithAUnitOnItGetsThePreviewAndKeepsItsMark) {
    const int32_t mate = addUnit(SIDE_SQUAD, 15, 0);
    units[soldier].actionPoints = 15;
    hover(15, 0);
    EXPECT_TRUE(cellShowsPreview(15, 0, "15", GREEN));
    EXPECT_EQ(countColour(backBuffer, 0, 0, 639, 479, TARGET), 0) << "no sight test";
    EXPECT_EQ(occupancy[cellIndex(15, 0)], 1);
    EXPECT_EQ(occupancy[cellIndex(0, 0)], 1);
    EXPECT_EQ(units[mate].x, 15);
}

TEST_F(PathPreview, AStandingSoldierOnTheExitPreviewsItsOwnCellAsNoSteps) {
    units[soldier].x = 15;
    occupancy[cellIndex(0, 0)] = 0;
    occupancy[cellIndex(15, 0)] = 1;
    hover(15, 0);
    EXPECT_TRUE(cellShowsPreview(15, 0, "0", GREEN));
    EXPECT_EQ(occupancy[cellIndex(15, 0)], 1);
}

// Cover on the corridor: only a soldier no enemy has seen may cross it.
class PathPreviewThroughCover : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        constexpr const char* w = "################";
        buildFloor({"...c............", w, w, w, w, w, w, w, w, w, w, w, w, w, w, w});
        soldier = addUnit(SIDE_SQUAD, 0, 0);
        finishLoading();
    }
    int32_t soldier = 0;
};

TEST_F(PathPreviewThroughCover, ASeenSoldierHasNoRoutePastIt) {
    units[soldier].unspotted = false;
    drawFrame(left(5) + 3, 24);
    EXPECT_TRUE(cellShowsPreview(5, 0, "0", RED));
}

TEST_F(PathPreviewThroughCover, AnUnseenSoldierWalksThroughIt) {
    units[soldier].unspotted = true;
    drawFrame(left(5) + 3, 24);
    EXPECT_TRUE(cellShowsPreview(5, 0, "5", GREEN));
}
