#include "play_scene.h"

#include "path/movement_rules.h"
#include "shell/player_commands.h"
#include "support/headless_game.h"
#include "support/test_floor.h"
#include "world/random.h"
#include "world/settings.h"

void PlayScene::SetUp() {
    makeTestPictures();
    panelWidth = TEST_PANEL_WIDTH;
    bandHeight = TEST_BAND_HEIGHT;
    rosterTop = 0;
    rosterRowHeight = 110;
    highlightColor = colour16(255, 255, 0);
    shotShowTicks = TEST_SHOT_TICKS;
    buttonHeld = false;
    setRandomState(1);
}

void PlayScene::readySearch() {
    pathSearch.notifyData = 0;
    pathSearch.costData = 0;
    pathSearch.listNotifyFn = nullptr;
    pathSearch.childNotifyFn = nullptr;
    pathSearch.setRows(mapWidth);
    pathSearch.costFn = stepCost;
    pathSearch.validFn = canEnter;
}

void PlayScene::walledInGuardScene() {
    buildFloor({"........", "........", "........", "........", "........", "........", "......##",
                "......#."});
    floorCount = 2;
    soldier = addUnit(SIDE_SQUAD, 1, 1);
    guard = addUnit(SIDE_ENEMY, 7, 7);
    units[guard].patrolPoints[0][0] = units[guard].patrolPoints[1][0] = 0;
    units[guard].patrolPoints[0][1] = units[guard].patrolPoints[1][1] = 0;
    readySearch();
}
