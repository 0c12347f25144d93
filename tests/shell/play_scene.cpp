#include "play_scene.h"

#include "path/path_search.h"
#include "shell/player_commands.h"
#include "shell/subsystem_hooks.h"
#include "support/test_bitmaps.h"
#include "support/test_floor.h"
#include "world/floor_loading.h"
#include "world/random.h"
#include "world/settings.h"

void PlayScene::SetUp() {
    createTestPictures();
    connectSubsystems();
    panelWidth = TEST_PANEL_WIDTH;
    bandHeight = TEST_BAND_HEIGHT;
    rosterTop = 0;
    rosterRowHeight = 110;
    highlightColor = pixelOf(Rgb{255, 255, 0});
    shotShowTicks = TEST_SHOT_TICKS;
    buttonHeld = false;
    setRandomState(1);
}

void PlayScene::readySearch() {
    configurePathSearch(pathSearch, mapWidth);
}

void PlayScene::pocketGuardScene(bool withMate) {
    buildFloor({"........", "........", "........", "........", "......##", "......#.", "......#.",
                "......#."});
    floorCount = 2;
    soldier = addUnit(SIDE_SQUAD, 1, 1);
    mate = withMate ? addUnit(SIDE_SQUAD, 1, 2) : NO_UNIT;
    guard = addUnit(SIDE_ENEMY, 7, 7);
    Unit& g = units[guard];
    g.patrolPoints[1][1] = 5;
    readySearch();
}

void PlayScene::watchGuard(ScriptedPlatform& play) {
    guardSteps = 0;
    play.onTick = [this, x = units[guard].x, y = units[guard].y]() mutable {
        const Unit& g = units[guard];
        if (g.x != x || g.y != y)
            ++guardSteps;
        x = g.x;
        y = g.y;
    };
}
