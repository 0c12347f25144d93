// How presses become commands: once per press, only on the map, right wins.
#include <gtest/gtest.h>

#include "play_scene.h"
#include "shell/player_commands.h"
#include "shell/turn_loop.h"
#include "support/test_floor.h"
#include "world/settings.h"

namespace {
class Press : public PlayScene {
  protected:
    void SetUp() override {
        PlayScene::SetUp();
        pocketGuardScene();
    }
    const Unit& theSoldier() const { return units[soldier]; }
};
} // namespace

TEST_F(Press, HoldingTheButtonAfterAMoveIssuesNoSecondMove) {
    ScriptedPlatform play;
    play.hold(pressAtCell(3, 1), 1).hold(pressAtCell(5, 1), 20).hold(escape());
    runTurnLoop();
    EXPECT_EQ(theSoldier().x, 3);
    EXPECT_EQ(theSoldier().actionPoints, 5);
}

TEST_F(Press, ReleasingAndPressingAgainMovesFurther) {
    ScriptedPlatform play;
    play.hold(pressAtCell(3, 1), 1)
        .hold(pressAtCell(5, 1), 10)
        .hold(pointerAtCell(5, 1), 1)
        .hold(pressAtCell(5, 1), 1)
        .hold(pointerAtCell(5, 1), 10)
        .hold(escape());
    runTurnLoop();
    EXPECT_EQ(theSoldier().x, 5);
    EXPECT_EQ(theSoldier().y, 1);
    // arrived with points left: still the soldier's turn
    EXPECT_EQ(theSoldier().actionPoints, 3);
    EXPECT_EQ(currentUnitIndex(), soldier);
    EXPECT_EQ(turnState, TURN_AWAIT_PLAYER);
}

TEST_F(Press, RightButtonEndsTheTurnAndTheGuardTakesItsTurn) {
    ScriptedPlatform play;
    watchGuard(play);
    play.hold(pressAtCell(3, 1, BUTTON_RIGHT), 1).hold(pointerAtCell(3, 1), 20).hold(escape());
    runTurnLoop();
    EXPECT_EQ(theSoldier().x, 1);
    EXPECT_EQ(guardSteps, 7) << "one step per tick for each of its action points";
    EXPECT_EQ(currentUnitIndex(), soldier) << "a new round";
    EXPECT_EQ(theSoldier().actionPoints, theSoldier().speed);
}

TEST_F(Press, BothButtonsEndTheTurnRatherThanMove) {
    ScriptedPlatform play;
    watchGuard(play);
    play.hold(pressAtCell(3, 1, BUTTON_LEFT | BUTTON_RIGHT), 1)
        .hold(pointerAtCell(3, 1), 20)
        .hold(escape());
    runTurnLoop();
    EXPECT_EQ(theSoldier().x, 1);
    EXPECT_EQ(guardSteps, 7);
}

TEST_F(Press, OtherButtonsOnlyTakeUpThePress) {
    ScriptedPlatform play;
    play.hold(pressAtCell(3, 1, 4), 1).hold(pressAtCell(3, 1, 4 | BUTTON_LEFT), 10).hold(escape());
    runTurnLoop();
    EXPECT_EQ(theSoldier().x, 1);
    EXPECT_EQ(theSoldier().actionPoints, 7);
}

TEST_F(Press, PressInThePanelIsUsedUpAndMovingOntoTheMapDoesNotMakeItACommand) {
    ScriptedPlatform play;
    play.hold(pressAt(TEST_PANEL_WIDTH, cellPixelY(1)), 1)
        .hold(pressAtCell(3, 1), 10)
        .hold(escape());
    runTurnLoop();
    EXPECT_EQ(theSoldier().x, 1);
    EXPECT_EQ(theSoldier().actionPoints, 7);
}

TEST_F(Press, FirstPixelRightOfThePanelIsColumnZero) {
    ScriptedPlatform play;
    play.hold(pressAt(TEST_PANEL_WIDTH + 1, cellPixelY(1)), 1)
        .hold(pointerAt(0, 0), 10)
        .hold(escape());
    runTurnLoop();
    EXPECT_EQ(theSoldier().x, 0);
    EXPECT_EQ(theSoldier().y, 1);
}

TEST_F(Press, BandBelowTheMapIsNotTheMap) {
    const int32_t bandTop = SCREEN_HEIGHT - TEST_BAND_HEIGHT;
    {
        ScriptedPlatform play;
        play.hold(pressAt(cellPixelX(1), bandTop), 1).hold(pointerAt(0, 0), 10).hold(escape());
        runTurnLoop();
        EXPECT_EQ(theSoldier().y, 1);
    }
    {
        ScriptedPlatform play;
        play.hold(pressAt(cellPixelX(1), bandTop - 1), 1).hold(pointerAt(0, 0), 10).hold(escape());
        runTurnLoop();
        EXPECT_EQ(theSoldier().y, 7) << "the row above the band is the last row";
    }
}

TEST_F(Press, StripsRightOfAndBelowTheLastCellAreNotTheMap) {
    // 7 columns of 68 pixels leave 4 at the right; 7 rows of 57 leave 1 below.
    buildFloor({".......", ".......", ".......", ".......", ".....##", ".....#.", ".....#."});
    soldier = addUnit(SIDE_SQUAD, 1, 1);
    guard = addUnit(SIDE_ENEMY, 6, 6);
    readySearch();
    int32_t x = 0, y = 0;
    EXPECT_FALSE(cellAtPixel(636, 100, x, y));
    EXPECT_TRUE(cellAtPixel(635, 100, x, y));
    EXPECT_EQ(x, 6);
    EXPECT_FALSE(cellAtPixel(300, 399, x, y));
    EXPECT_TRUE(cellAtPixel(300, 398, x, y));
    EXPECT_EQ(y, 6);

    ScriptedPlatform play;
    play.hold(pressAt(637, cellPixelY(1)), 1).hold(pointerAt(0, 0), 5).hold(escape());
    runTurnLoop();
    EXPECT_EQ(theSoldier().x, 1);
    EXPECT_EQ(theSoldier().actionPoints, 7);
}

TEST_F(Press, PressOnTheSoldierOrASquadMateDoesNothing) {
    pocketGuardScene(true);
    ScriptedPlatform play;
    play.hold(pressAtCell(1, 1), 1)
        .hold(pointerAt(0, 0), 2)
        .hold(pressAtCell(1, 2), 1)
        .hold(pointerAt(0, 0), 5)
        .hold(escape());
    runTurnLoop();
    EXPECT_EQ(theSoldier().x, 1);
    EXPECT_EQ(theSoldier().actionPoints, 7);
    EXPECT_EQ(units[mate].health, 20);
    EXPECT_EQ(currentUnitIndex(), soldier);
    EXPECT_EQ(shotTimer, 0);
}

TEST_F(Press, PressOnAWallDoesNothing) {
    mapCells[cellIndex(3, 1)] = CELL_WALL;
    ScriptedPlatform play;
    play.hold(pressAtCell(3, 1), 1).hold(pointerAt(0, 0), 5).hold(escape());
    runTurnLoop();
    EXPECT_EQ(theSoldier().x, 1);
    EXPECT_EQ(theSoldier().actionPoints, 7);
}
