#include <allegro.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include <sys/wait.h>

#include "combat/shot.h"
#include "content_files.h"
#include "draw/cell_geometry.h"
#include "draw/frame.h"
#include "draw/pictures.h"
#include "png_file.h"
#include "shell/platform_allegro.h"
#include "shell/startup.h"
#include "shell/turn_loop.h"
#include "support/scripted_platform.h"
#include "world/floor_loading.h"
#include "world/game_state.h"
#include "world/random.h"
#include "world/settings.h"

namespace fs = std::filesystem;

namespace {

int floortool(const std::string& args) {
    const int raw = std::system((std::string(PROWLGRID_FLOORTOOL) + " " + args).c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

// A run directory as `make try FLOOR=...` makes it.
fs::path tryDirectory(const std::string& floor) {
    const fs::path game = freshTempDir("picture-" + floor) / "game";
    fs::copy(PROWLGRID_GAME_DIR, game, fs::copy_options::recursive);
    fs::remove_all(game / "Data/Missions");
    EXPECT_EQ(floortool("build --mod --from " + floor + " " +
                        sourcePath("assets/floors/campaign.txt") + " " +
                        sourcePath("assets/init.txt") + " " + game.string()),
              0);
    return game;
}

// The first frame the game's own turn loop presents on floor 1 of this run
// directory, started as main starts it, with the pointer in the panel.
BITMAP* firstFrameOfTheGame(const fs::path& game) {
    const fs::path before = fs::current_path();
    fs::current_path(game);
    set_color_depth(16);
    backBuffer = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
    Platform files = nullPlatform();
    files.loadPicture = allegroPlatform().loadPicture;
    installPlatform(files);
    EXPECT_TRUE(loadPictures());
    setRandomState(1); // as a fresh process has it
    floorNumber = 1;
    readSettings("init.txt");
    EXPECT_TRUE(loadFloor(floorNumber)) << floorLoadError();
    BITMAP* first = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
    {
        ScriptedPlatform play;
        play.hold(pointerAt(0, 0), 1).hold(escape());
        bool taken = false;
        play.onPresent = [&](BITMAP* frame) {
            if (!taken)
                blit(frame, first, 0, 0, 0, 0, frame->w, frame->h);
            taken = true;
        };
        runTurnLoop();
    }
    fs::current_path(before);
    return first;
}

} // namespace

TEST(FloorPicture, IsTheMapAreaOfTheGamesOwnFirstFrameOnThatFloor) {
    useAllegroWithoutScreen();
    const fs::path game = tryDirectory("floor3");
    const fs::path png = game.parent_path() / "floor3.png";
    ASSERT_EQ(floortool("render " + game.string() + " " + png.string()), 0);
    RgbPicture picture;
    ASSERT_TRUE(readPng(png.string(), picture));

    BITMAP* frame = firstFrameOfTheGame(game);
    // The cells and the one pixel by which the tiles sit in from their origin,
    // as far as the screen goes.
    const int64_t left = cellLeft(0), top = cellTop(0);
    EXPECT_EQ(picture.width, std::min<int64_t>(cellLeft(mapWidth) + 1, SCREEN_WIDTH) - left);
    EXPECT_EQ(picture.height, std::min<int64_t>(cellTop(mapHeight) + 1, SCREEN_HEIGHT) - top);
    int32_t differing = 0;
    for (int32_t y = 0; y < picture.height; ++y)
        for (int32_t x = 0; x < picture.width; ++x) {
            const uint8_t* p = &picture.rgb[(static_cast<size_t>(y) * picture.width + x) * 3];
            differing += getpixel(frame, left + x, top + y) != makecol16(p[0], p[1], p[2]);
        }
    EXPECT_EQ(differing, 0);
    EXPECT_GT(medkitCount, 0) << "the picture shows the medkits where the game put them";

    destroy_bitmap(frame);
    shutdownGame();
    // The later tests of this binary load floors with nothing to draw on.
    setMapRedrawHook(nullptr);
    setFramePresenter(nullptr);
    setShotSoundPlayer(nullptr);
    set_color_depth(24);
}
