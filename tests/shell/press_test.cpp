// How presses become commands: once per press, only on the map, right wins.
#include <gtest/gtest.h>

#include "play_scene.h"
#include "shell/player_commands.h"
#include "shell/turn_loop.h"
#include "support/test_floor.h"
#include "world/settings.h"

namespace {
constexpr int32_t BAND_TOP = SCREEN_HEIGHT - TEST_BAND_HEIGHT;

class Press : public PlayScene {
  protected:
    void SetUp() override {
        PlayScene::SetUp();
        pocketGuardScene(true);
    }
    const Unit& theSoldier() const { return units[soldier]; }

    // One press at a pixel, released, then Esc.
    void pressOnce(int32_t x, int32_t y, int32_t buttons = BUTTON_LEFT) {
        ScriptedPlatform play;
        watchGuard(play);
        play.hold(pressAt(x, y, buttons), 1).hold(pointerAt(x, y), 20).hold(escape());
        runTurnLoop();
    }
};
} // namespace

TEST_F(Press, HoldingTheButtonAfterAMoveIssuesNoSecondMove) {
    ScriptedPlatform play;
    play.hold(pressAtCell(3, 1), 1).hold(pressAtCell(5, 1), 20).hold(escape());
    runTurnLoop();
    EXPECT_EQ(theSoldier().x, 3);
    EXPECT_EQ(theSoldier().actionPoints, 5);
}

TEST_F(Press, ReleasingAndPressingAgainMovesFurtherInTheSameTurn) {
    ScriptedPlatform play;
    play.hold(pressAtCell(3, 1), 1)
        .hold(pressAtCell(5, 1), 10)
        .hold(pointerAtCell(5, 1), 1)
        .hold(pressAtCell(5, 1), 1)
        .hold(pointerAtCell(5, 1), 10)
        .hold(escape());
    runTurnLoop();
    EXPECT_EQ(theSoldier().x, 5);
    EXPECT_EQ(theSoldier().actionPoints, 3);
    EXPECT_EQ(currentUnitIndex(), soldier);
    EXPECT_EQ(turnState, TURN_AWAIT_PLAYER);
}

TEST_F(Press, RightButtonEndsTheTurnAlsoWithTheLeftDown) {
    for (int32_t buttons : {BUTTON_RIGHT, BUTTON_LEFT | BUTTON_RIGHT}) {
        SetUp();
        pressOnce(cellPixelX(3), cellPixelY(1), buttons);
        EXPECT_EQ(theSoldier().x, 1) << "buttons " << buttons;
        EXPECT_EQ(theSoldier().actionPoints, 0) << "buttons " << buttons;
        EXPECT_EQ(currentUnitIndex(), mate) << "buttons " << buttons;
    }
}

TEST_F(Press, EnemyTurnsFollowTheSquadsAndANewRoundBringsTheSoldierBack) {
    pocketGuardScene();
    pressOnce(0, 0, BUTTON_RIGHT);
    EXPECT_EQ(guardSteps, 7) << "one step per tick, all its points";
    EXPECT_EQ(currentUnitIndex(), soldier);
    EXPECT_EQ(theSoldier().actionPoints, theSoldier().speed);
}

TEST_F(Press, PressesThatNameNoCommandChangeNothing) {
    const struct {
        const char* what;
        int32_t x, y, buttons;
    } presses[] = {
        {"panel's last column", TEST_PANEL_WIDTH, cellPixelY(1), BUTTON_LEFT},
        {"band's first row", cellPixelX(1), BAND_TOP, BUTTON_LEFT},
        {"a wall", cellPixelX(3), cellPixelY(3), BUTTON_LEFT},
        {"the soldier itself", cellPixelX(1), cellPixelY(1), BUTTON_LEFT},
        {"a squad mate", cellPixelX(1), cellPixelY(2), BUTTON_LEFT},
        {"the middle button", cellPixelX(3), cellPixelY(1), 4},
    };
    for (const auto& p : presses) {
        SetUp();
        mapCells[cellIndex(3, 3)] = CELL_WALL;
        pressOnce(p.x, p.y, p.buttons);
        EXPECT_EQ(theSoldier().x, 1) << p.what;
        EXPECT_EQ(theSoldier().actionPoints, 7) << p.what;
        EXPECT_EQ(currentUnitIndex(), soldier) << p.what;
        EXPECT_EQ(units[mate].health, 20) << p.what;
        EXPECT_EQ(shotTimer, 0) << p.what;
    }
}

TEST_F(Press, PressUsedUpOffTheMapDoesNotBecomeACommandOnIt) {
    ScriptedPlatform play;
    play.hold(pressAt(100, cellPixelY(1)), 1).hold(pressAtCell(3, 1), 10).hold(escape());
    runTurnLoop();
    EXPECT_EQ(theSoldier().x, 1);
}

TEST_F(Press, MapBeginsRightOfThePanelAndEndsAboveTheBand) {
    pressOnce(TEST_PANEL_WIDTH + 1, cellPixelY(0));
    EXPECT_EQ(theSoldier().x, 0);
    EXPECT_EQ(theSoldier().y, 0);
    SetUp();
    pressOnce(cellPixelX(1), BAND_TOP - 1);
    EXPECT_EQ(theSoldier().y, 7);
}

TEST_F(Press, StripsRightOfAndBelowTheLastCellNameNoCell) {
    // 7 columns of 68 pixels leave 4 at the right; 7 rows of 57 leave 1 below.
    buildFloor({".......", ".......", ".......", ".......", ".......", ".......", "......."});
    int32_t x = 0, y = 0;
    EXPECT_FALSE(cellAtPixel(636, 100, x, y));
    EXPECT_TRUE(cellAtPixel(635, 100, x, y));
    EXPECT_EQ(x, 6);
    EXPECT_FALSE(cellAtPixel(300, 399, x, y));
    EXPECT_TRUE(cellAtPixel(300, 398, x, y));
    EXPECT_EQ(y, 6);
}

TEST_F(Press, APanelAndBandOfAnySizeNameTheCellsExactly) {
    // init.txt may hold -2^31: the map then begins far left and reaches far down.
    buildFloor({"..", ".."});
    panelWidth = INT32_MIN;
    bandHeight = INT32_MIN;
    int32_t x = -1, y = -1;
    // Tiles of (640 + 2^31) / 2 and (480 + 2^31) / 2 pixels: the screen is in cell (1, 0).
    EXPECT_TRUE(cellAtPixel(639, 479, x, y));
    EXPECT_EQ(x, 1);
    EXPECT_EQ(y, 0);
    EXPECT_EQ(tileWidth(), 1073742144);
    panelWidth = INT32_MAX;
    bandHeight = INT32_MAX;
    EXPECT_FALSE(cellAtPixel(639, 0, x, y));
    buildFloor({"."});
    panelWidth = INT32_MIN;
    EXPECT_EQ(tileWidth(), INT32_MAX) << "held at the largest size";
    EXPECT_EQ(exactTileWidth(), int64_t{640} - INT32_MIN);
}
