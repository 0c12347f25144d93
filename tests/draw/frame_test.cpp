#include <allegro.h>

#include "frame_fixture.h"

class Frame : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        buildOpenFloor();
        soldier = addUnit(SIDE_SQUAD, 2, 2);
        mate = addUnit(SIDE_SQUAD, 2, 4);
        guard = addUnit(SIDE_ENEMY, 9, 9);
        setCell(5, 5, CELL_WALL);
        finishLoading();
    }
    void spendAllPoints() {
        for (Unit& u : units)
            u.actionPoints = 0;
    }
    bool pointsRestored() const {
        for (const Unit& u : units)
            if (u.actionPoints != u.speed)
                return false;
        return true;
    }

    int32_t soldier = 0;
    int32_t mate = 0;
    int32_t guard = 0;
};

TEST_F(Frame, ASoldiersTurnAwaitsThePlayer) {
    drawFrameOver(12, 12);
    EXPECT_EQ(turnState, TURN_AWAIT_PLAYER);
    EXPECT_EQ(turnSlot, 0);
}

TEST_F(Frame, AnEnemyWaitingForItsTickShowsTheWaitPointer) {
    turnSlot = guard;
    drawFrameOver(12, 12);
    EXPECT_EQ(turnState, TURN_NEXT);
    EXPECT_TRUE(pointerShows(left(12) + 20, top(12) + 5, WAIT));
    EXPECT_EQ(framePixels(GREEN) + framePixels(RED), 0) << "no path preview";
}

TEST_F(Frame, ARoundThatWrapsInTheTurnLogicStartsAgain) {
    turnSlot = guard;
    units[guard].health = 0; // passed over at once, past the last slot
    spendAllPoints();
    drawFrameOver(12, 12);
    EXPECT_EQ(turnSlot, 0);
    EXPECT_EQ(turnState, TURN_ROUND_OVER);
    EXPECT_TRUE(pointsRestored());
}

TEST_F(Frame, ADeadSoldiersTurnPassesAndNoCommandIsAwaitedThisFrame) {
    units[soldier].health = 0;
    drawFrameOver(12, 12);
    EXPECT_EQ(turnSlot, 1);
    EXPECT_EQ(turnState, TURN_NEXT);
    EXPECT_TRUE(pointerShows(left(12) + 20, top(12) + 5, WAIT));

    drawFrameOver(12, 12);
    EXPECT_EQ(turnState, TURN_AWAIT_PLAYER) << "the next frame hands the turn to the mate";
}

TEST_F(Frame, ADeadSoldierBeforeAnEnemyNeverLetsThePlayerDriveTheEnemy) {
    units[mate].health = 0;
    turnSlot = mate;
    drawFrameOver(12, 12);
    EXPECT_EQ(currentUnitIndex(), guard);
    EXPECT_NE(turnState, TURN_AWAIT_PLAYER);
}

TEST_F(Frame, ADeadSoldierInTheLastSlotWrapsAndStartsARound) {
    buildOpenFloor();
    addUnit(SIDE_SQUAD, 2, 2);
    const int32_t last = addUnit(SIDE_SQUAD, 3, 3);
    units[last].health = -1;
    turnSlot = last;
    spendAllPoints();
    finishLoading();
    drawFrameOver(12, 12);
    EXPECT_EQ(turnSlot, 0);
    EXPECT_TRUE(pointsRestored());
}

TEST_F(Frame, TheFrameStartsFromTheMapPictureAndIsPresentedOnce) {
    paint(backBuffer, 0, 0, 639, 479, OTHER_PICTURE); // last frame's leftovers
    drawFrameOver(12, 12);
    EXPECT_EQ(presented, 1);
    EXPECT_EQ(lastPresented, backBuffer);
    EXPECT_TRUE(allColour(backBuffer, left(5) + 1, top(5) + 1, left(5) + 30, top(5) + 30, WALL));
    EXPECT_TRUE(isColour(backBuffer, left(7), top(7), BLACK));
    EXPECT_EQ(countColour(backBuffer, 0, 0, 639, 479, OTHER_PICTURE), 0);
}

TEST_F(Frame, UnitsAreDrawnOverTheirWholeCellTheSquadAndTheEnemiesApart) {
    turnSlot = guard;
    drawFrameOver(12, 12);
    EXPECT_TRUE(allColour(backBuffer, left(2) + 8, top(4) + 8, left(2) + 21, top(4) + 21, SQUAD));
    EXPECT_TRUE(allColour(backBuffer, left(2) + 8, top(2) + 8, left(2) + 21, top(2) + 21, SQUAD));
    EXPECT_TRUE(isColour(backBuffer, left(9) + 15, top(9) + 15, ENEMY));
    EXPECT_EQ(countColour(backBuffer, 0, 0, 639, 479, ENEMY_OUTSIDE), 0)
        << "the enemy picture is read at the size of the squad's";
    EXPECT_TRUE(isColour(backBuffer, left(2) + 2, top(4) + 2, BLACK)) << "pink shows the map";
}

TEST_F(Frame, TheCurrentUnitsHighlightShowsThroughItsPictureAndReachesOneRowFurtherDown) {
    drawFrameOver(12, 12);
    const int32_t x = left(2);
    const int32_t y = top(2);
    EXPECT_TRUE(allColour(backBuffer, x + 1, y + 1, x + 29, y + 7, HIGHLIGHT));
    EXPECT_TRUE(allColour(backBuffer, x + 1, y + 30, x + 29, y + 30, HIGHLIGHT));
    EXPECT_EQ(countColour(backBuffer, x, y, x, y + 31, HIGHLIGHT), 0);
    EXPECT_EQ(countColour(backBuffer, x + 30, y, x + 30, y + 31, HIGHLIGHT), 0);
    EXPECT_EQ(countColour(backBuffer, x, y, x + 30, y, HIGHLIGHT), 0);
    EXPECT_EQ(countColour(backBuffer, x, y + 31, x + 30, y + 31, HIGHLIGHT), 0);
    EXPECT_EQ(countColour(backBuffer, 161, 0, 639, 479, HIGHLIGHT) +
                  countColour(backBuffer, x + 1, y + 1, x + 29, y + 30, SQUAD),
              29 * 30)
        << "only the current unit's tile, around its solid middle";
}

TEST_F(Frame, UnitsThatAreDeadOrHaveLeftAreNotDrawnNorHighlighted) {
    units[soldier].onFloor = false; // left by the exit, still in slot 0 after a wrap
    units[guard].health = 0;
    drawFrameOver(12, 12);
    EXPECT_EQ(countColour(backBuffer, 161, 0, 639, 479, HIGHLIGHT), 0);
    EXPECT_FALSE(isColour(backBuffer, left(2) + 15, top(2) + 15, SQUAD));
    EXPECT_FALSE(isColour(backBuffer, left(9) + 15, top(9) + 15, ENEMY));
    EXPECT_TRUE(isColour(backBuffer, left(2) + 15, top(4) + 15, SQUAD));
}

namespace {
ScreenPoint livePointer{0, 0};
ScreenPoint readLivePointer() {
    return livePointer;
}
} // namespace

// During a move the pointer goes on moving while the pass's position stays.
TEST_F(Frame, ThePanelFollowsTheLivePointerAndTheCursorFeedbackThePasssPosition) {
    setPointerReader(readLivePointer);
    livePointer = ScreenPoint{left(9) + 15, top(9) + 15}; // over the guard
    drawFrameOver(12, 12);
    EXPECT_TRUE(cellShowsPreview(12, 12, "11", RED)); // round the wall at (5, 5)
    EXPECT_TRUE(allColour(backBuffer, left(9) + 3, top(9) + 26, left(9) + 27, top(9) + 27, RED))
        << "the guard's health bar";
    EXPECT_EQ(framePixels(TARGET), 0);

    livePointer = ScreenPoint{left(12) + 20, top(12) + 5};
    drawFrameOver(9, 9);
    EXPECT_TRUE(pointerShows(left(9) + 20, top(9) + 5, NOWALK)) << "the wall hides the guard";
    EXPECT_EQ(countColour(backBuffer, left(9), top(9) + 26, left(9) + 29, top(9) + 27, RED), 0);
}

class DamageNumber : public Frame {};

TEST_F(DamageNumber, StaysOverTheShotUnitWhileTheDisplayLasts) {
    shotTimer = 3;
    shotTarget = guard;
    shotDamage = 6;
    turnSlot = mate; // the turn has passed on since
    drawFrameOver(12, 12);
    EXPECT_TRUE(showsText(backBuffer, left(9) + 15, top(9) + 15, "6", WHITE, TextAnchor::Centre));
}

TEST_F(DamageNumber, AMissShowsNoughtAndAnEnemysTurnShowsItToo) {
    shotTimer = 1;
    shotTarget = soldier;
    shotDamage = 0;
    turnSlot = guard;
    drawFrameOver(12, 12);
    EXPECT_TRUE(showsText(backBuffer, left(2) + 15, top(2) + 15, "0", WHITE, TextAnchor::Centre));
}

TEST_F(DamageNumber, IsGoneOnceTheDisplayEndsAndWithoutAShotUnit) {
    turnSlot = guard; // no preview numbers either
    shotDamage = 6;
    shotTarget = guard;
    shotTimer = 0;
    drawFrameOver(12, 12);
    EXPECT_EQ(framePixels(WHITE), 0);

    shotTimer = 5;
    for (int32_t invalid : {NO_UNIT, unitCount, -7}) {
        shotTarget = invalid;
        drawFrameOver(12, 12);
        EXPECT_EQ(framePixels(WHITE), 0) << "shotTarget " << invalid;
    }
}

class Medkits : public Frame {};

TEST_F(Medkits, ActiveOnesAreDrawnInsetOverUnitsAndTheShotNumber) {
    addMedkit(9, 9); // under the guard
    addMedkit(11, 1);
    medkits[1].active = 0;
    shotTimer = 2;
    shotTarget = guard;
    shotDamage = 3;
    drawFrameOver(12, 12);
    EXPECT_TRUE(allColour(backBuffer, left(9) + 1, top(9) + 1, left(9) + 30, top(9) + 30, MEDKIT));
    EXPECT_EQ(countColour(backBuffer, 0, 0, 639, 479, MEDKIT), 30 * 30);
}
