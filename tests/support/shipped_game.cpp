#include "support/shipped_game.h"

#include <unistd.h>

#include "shell/startup.h"
#include "shell/subsystem_hooks.h"
#include "support/test_bitmaps.h"
#include "world/game_state.h"

void ShippedGameTest::SetUp() {
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    previous = cwd;
    const std::string game = PROWLGRID_BINARY_DIR "/game";
    ASSERT_EQ(chdir(game.c_str()), 0) << "no run directory at " << game;
}

void ShippedGameTest::TearDown() {
    releaseFloorArrays();
    EXPECT_EQ(chdir(previous.c_str()), 0);
}

void ShippedPlayTest::SetUp() {
    ShippedGameTest::SetUp();
    if (HasFatalFailure())
        return;
    createTestPictures();
    connectSubsystems();
    ASSERT_TRUE(readSettings("init.txt"));
}
