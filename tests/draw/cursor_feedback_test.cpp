#include <allegro.h>

#include "frame_fixture.h"

class CursorFeedback : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        buildOpenFloor();
        setCell(6, 3, CELL_WALL);
        setCell(9, 9, CELL_WALL2);
        soldier = addUnit(SIDE_SQUAD, 3, 3);
        mate = addUnit(SIDE_SQUAD, 3, 8);
        seen = addUnit(SIDE_ENEMY, 10, 6);
        hidden = addUnit(SIDE_ENEMY, 9, 3); // behind the wall at (6, 3)
        covered = addUnit(SIDE_ENEMY, 9, 9);
        finishLoading();
    }
    // The pointer inside a cell, away from where the preview draws.
    static int32_t px(int32_t x) { return left(x) + 4; }
    static int32_t py(int32_t y) { return top(y) + 18; }
    void pointAt(int32_t x, int32_t y) { drawFrame(px(x), py(y)); }
    bool pointerOn(int32_t x, int32_t y, Rgb colour) { return pointerShows(px(x), py(y), colour); }
    // The hovered enemy's health bar is red too, but lies at the bottom of its tile.
    bool noPreviewOn(int32_t x, int32_t y) {
        return countColour(backBuffer, left(x) + 1, top(y) + 1, left(x) + 29, top(y) + 2, RED) +
                   countColour(backBuffer, left(x) + 1, top(y) + 1, left(x) + 29, top(y) + 2,
                               GREEN) ==
               0;
    }

    int32_t soldier = 0;
    int32_t mate = 0;
    int32_t seen = 0;
    int32_t hidden = 0;
    int32_t covered = 0;
};

TEST_F(CursorFeedback, AWallShowsTheNoWalkPointerAndNoPreview) {
    pointAt(6, 3);
    EXPECT_TRUE(pointerOn(6, 3, NOWALK));
    EXPECT_TRUE(noPreviewOn(6, 3));
}

TEST_F(CursorFeedback, AnEnemyInSightShowsTheTargetSqueezedIntoTheNoWalkBox) {
    pointAt(10, 6);
    EXPECT_TRUE(pointerOn(10, 6, TARGET));
    EXPECT_TRUE(noPreviewOn(10, 6));
    EXPECT_EQ(pathSearch.validFn, canEnter) << "the sight test puts the move rule back";
}

TEST_F(CursorFeedback, AnEnemyOutOfSightShowsNoWalk) {
    pointAt(9, 3);
    EXPECT_TRUE(pointerOn(9, 3, NOWALK));
    EXPECT_EQ(pathSearch.validFn, canEnter);
}

TEST_F(CursorFeedback, AnEnemyInCoverCannotBeSeen) {
    pointAt(9, 9);
    EXPECT_TRUE(pointerOn(9, 9, NOWALK));
}

TEST_F(CursorFeedback, ASquadMateIsTestedForSightLikeAnEnemy) {
    pointAt(3, 8);
    EXPECT_TRUE(pointerOn(3, 8, TARGET));
    setCell(3, 6, CELL_WALL);
    drawMapBackground();
    pointAt(3, 8);
    EXPECT_TRUE(pointerOn(3, 8, NOWALK));
}

TEST_F(CursorFeedback, TheCurrentUnitsOwnCellShowsTheTarget) {
    pointAt(3, 3);
    EXPECT_TRUE(pointerOn(3, 3, TARGET));
}

TEST_F(CursorFeedback, AFreeCellGetsThePreviewAndNoPointerPicture) {
    pointAt(4, 3);
    EXPECT_TRUE(cellShowsPreview(4, 3, "1", GREEN));
    EXPECT_EQ(countColour(backBuffer, 0, 0, 639, 479, NOWALK), 0);
    EXPECT_EQ(countColour(backBuffer, 0, 0, 639, 479, WAIT), 0);
    EXPECT_EQ(countColour(backBuffer, 0, 0, 639, 479, TARGET), 0);
}

TEST_F(CursorFeedback, FreeCoverIsNoWallTheSearchDecides) {
    setCell(5, 5, CELL_WALL2);
    drawMapBackground();
    pointAt(5, 5);
    EXPECT_EQ(countColour(backBuffer, 0, 0, 639, 479, NOWALK), 0);
    EXPECT_GT(framePixels(GREEN) + framePixels(RED), 0);
}

TEST_F(CursorFeedback, TheWaitPointerIsTheTopLeftOfItsPictureAtTheNoWalkSize) {
    turnSlot = seen;
    pointAt(4, 3);
    EXPECT_TRUE(pointerOn(4, 3, WAIT));
    EXPECT_EQ(countColour(backBuffer, 0, 0, 639, 479, WAIT_OUTSIDE), 0);
    EXPECT_TRUE(noPreviewOn(4, 3));
}

class PointerOffTheGrid : public CursorFeedback {};

TEST_F(PointerOffTheGrid, TheBorderColumnIsOutsideAndOnePixelInIsColumnZero) {
    drawFrame(160, 100);
    EXPECT_TRUE(pointerShows(160, 100, WAIT));
    drawFrame(161, 100);
    EXPECT_EQ(countColour(backBuffer, 0, 0, 639, 479, WAIT), 0);
    EXPECT_TRUE(cellShowsPreview(0, 3, "3", GREEN));
}

TEST_F(PointerOffTheGrid, ThePanelShowsTheWaitPointerOverItself) {
    drawFrame(40, 300);
    EXPECT_TRUE(pointerShows(40, 300, WAIT));
    drawFrame(150, 100); // less than a tile left of column 0
    EXPECT_TRUE(pointerShows(150, 100, WAIT));
    EXPECT_TRUE(noPreviewOn(0, 3));
}

TEST_F(PointerOffTheGrid, TheFirstRowOfTheBandIsOutside) {
    bandHeight = 32; // tiles of 30 x 28; the map ends at row 447
    finishLoading();
    drawFrame(300, 448);
    EXPECT_TRUE(pointerShows(300, 448, WAIT));
    EXPECT_EQ(framePixels(GREEN) + framePixels(RED), 0);
}

TEST_F(PointerOffTheGrid, TheStripsRightOfAndBelowTheLastCellShowWait) {
    buildFloor({".............", ".............", ".............", ".............", ".............",
                ".............", ".............", ".............", ".............", ".............",
                ".............", ".............", "............."});
    addUnit(SIDE_SQUAD, 0, 0);
    // Where a strip's cell would spill into the next row or past the grid.
    addUnit(SIDE_ENEMY, 0, 3);
    finishLoading(); // tiles of 36; cells end at x 627 and y 467

    drawFrame(628, 2 * 36 + 10);
    EXPECT_TRUE(pointerShows(628, 82, WAIT));
    drawFrame(170, 468);
    EXPECT_TRUE(pointerShows(170, 468, WAIT));
    drawFrame(630, 470);
    EXPECT_EQ(countColour(backBuffer, 630, 470, 639, 479, WAIT), 10 * 10) << "clipped at the edge";
    EXPECT_EQ(framePixels(GREEN) + framePixels(RED), 0);
}
