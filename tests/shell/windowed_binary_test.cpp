// The real windowed game under a private X server, driven by a simulated mouse
// and keyboard: the title menu, the story page, one move on floor 1 and Esc,
// on a desktop that holds the window at 1x and on one that holds it at 2x.
// Waits poll the screen with generous bounds; nothing asserts how fast it is.
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "child_process.h"
#include "screen_poll.h"
#include "world/settings_file.h"
#include "virtual_display.h"
#include "world/map_file.h"
#include "world/mission_list.h"

namespace {
using namespace std::chrono_literals;

const std::string BINARY = std::string(PROWLGRID_BINARY_DIR) + "/prowlgrid-windowed";
const std::string RUN_DIRECTORY = std::string(PROWLGRID_BINARY_DIR) + "/game";
constexpr int32_t SCREEN_W_PX = 640;
constexpr int32_t SCREEN_H_PX = 480;
constexpr int32_t START_X = 320, START_Y = 336; // inside the start button
constexpr int32_t COLOUR_TOLERANCE = 12;        // 16-bit pixels widened back to 8 bits
constexpr auto SCREEN_LIMIT = 20s;              // generous: the machine is shared
constexpr auto SOLDIERS_TURN_LIMIT = 90s;       // the enemies may act first
constexpr auto POLL_STEP = 100ms;

bool near(int32_t a, int32_t b) {
    return std::abs(a - b) <= COLOUR_TOLERANCE;
}
bool sameColour(Rgb a, Rgb b) {
    return near(a.red, b.red) && near(a.green, b.green) && near(a.blue, b.blue);
}
bool white(Rgb c) {
    return c.red > 200 && c.green > 200 && c.blue > 200;
}

bool await(const std::function<bool()>& condition, std::chrono::seconds limit) {
    return pollUntil(condition, limit, POLL_STEP);
}

// What the game reads of the settings and of floor 1, read by its own readers.
struct Layout {
    int32_t bandHeight = 0;
    int32_t panelWidth = 0;
    Rgb highlight{0, 0, 0};
    int32_t squadSize = 0;
    int32_t side = 0;
    std::vector<int32_t> cells; // y * side + x

    int32_t tileW() const { return (SCREEN_W_PX - panelWidth) / side; }
    int32_t tileH() const { return (SCREEN_H_PX - bandHeight) / side; }
    int32_t left(int32_t x) const { return panelWidth + x * tileW(); }
    int32_t top(int32_t y) const { return y * tileH(); }
    int32_t code(int32_t x, int32_t y) const { return cells[y * side + x]; }
};

Layout readLayout() {
    Layout l;
    SettingsRecords settings;
    parseSettingsFile((RUN_DIRECTORY + "/init.txt").c_str(), settings);
    l.bandHeight = settings.bandHeight;
    l.panelWidth = settings.panelWidth;
    l.highlight = Rgb{settings.red, settings.green, settings.blue};
    int32_t floors = 0;
    FloorPlan plan;
    std::string why;
    MapGrid grid;
    if (readMissionList((RUN_DIRECTORY + "/Data/Missions/Mission.dat").c_str(), 1, floors, plan,
                        why) &&
        readMapFile((RUN_DIRECTORY + "/" + plan.mapPath).c_str(), grid, why)) {
        l.squadSize = playedSquadSize(plan);
        l.side = grid.width;
        l.cells = grid.cells;
    }
    return l;
}

struct Desktop {
    const char* geometry;
    int32_t scale; // the window's, chosen by the game
};

class WindowedGame : public ::testing::TestWithParam<Desktop> {
  protected:
    void SetUp() override {
        if (!std::filesystem::is_directory(RUN_DIRECTORY))
            GTEST_SKIP() << "no run directory at " << RUN_DIRECTORY
                         << "; the build assembles the game's data there";
        display = std::make_unique<VirtualDisplay>(GetParam().geometry);
        scale = GetParam().scale;
    }

    void start(const std::vector<std::string>& arguments = {}) {
        // HOME in the run directory: no allegro.cfg of the user's is read.
        const ChildProcess::Environment extra = {{"DISPLAY", display->name()},
                                                 {"HOME", RUN_DIRECTORY}};
        std::vector<std::string> argv{BINARY};
        argv.insert(argv.end(), arguments.begin(), arguments.end());
        game = std::make_unique<ChildProcess>(argv, RUN_DIRECTORY, extra, stdoutPath(), "");
    }

    // The title page as shown, with the game's pointer at the same pixel of the
    // frame; the window is scale x the frame. The library may take a move or
    // two for its own while a new window settles, so the pointer is placed
    // until two placings show the same picture; it then leaves the window,
    // whose picture would otherwise hold the server's cursor too.
    std::vector<Rgb> titleShown(const std::vector<std::string>& arguments) {
        start(arguments);
        const int32_t w = SCREEN_W_PX * scale, h = SCREEN_H_PX * scale;
        if (!await([&] { return findWindow(); }, SCREEN_LIMIT) ||
            !await([&] { return count(0, 0, 639, 479, 64, white) == 0; }, SCREEN_LIMIT))
            return {};
        std::vector<Rgb> shown;
        await([&] {
            for (int32_t nudge : {1, 0}) {
                pointTo(420 + nudge, 250 + nudge);
                std::this_thread::sleep_for(POLL_STEP);
            }
            xdotool("mousemove " + std::to_string(originX + w + 10) + " " +
                    std::to_string(originY + h + 10));
            std::this_thread::sleep_for(POLL_STEP);
            std::vector<Rgb> again = display->image(originX, originY, w, h);
            const bool settled = again == shown;
            shown = std::move(again);
            return settled;
        }, SCREEN_LIMIT);
        return shown;
    }

    // Each case its own file: CTest runs them in parallel processes.
    std::string stdoutPath() const {
        return testing::TempDir() + "windowed_game_stdout_" + std::to_string(getpid()) + ".txt";
    }

    // The whole window is the scaled frame.
    bool findWindow() {
        const unsigned long window =
            display->findWindowSized(SCREEN_W_PX * scale, SCREEN_H_PX * scale);
        if (window)
            display->windowOrigin(window, originX, originY);
        return window != 0;
    }

    void xdotool(const std::string& arguments) const {
        const std::string command =
            "DISPLAY=" + display->name() + " xdotool " + arguments + " >/dev/null 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }
    // Keys go to the window under the pointer: there is no window manager.
    // (x, y) is a pixel of the game's frame: the middle of its block on the screen.
    void pointTo(int32_t x, int32_t y) const {
        xdotool("mousemove " + std::to_string(originX + x * scale + scale / 2) + " " +
                std::to_string(originY + y * scale + scale / 2));
    }
    void click(int32_t x, int32_t y) const {
        pointTo(x, y);
        xdotool("mousedown 1");
        std::this_thread::sleep_for(200ms); // long enough for the game to see it down
        xdotool("mouseup 1");
    }
    void key(const std::string& name) const { xdotool("key " + name); }

    Rgb at(int32_t x, int32_t y) const {
        return display->pixel(originX + x * scale, originY + y * scale);
    }
    int32_t count(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t step,
                  const std::function<bool(Rgb)>& wanted) const {
        int32_t n = 0;
        for (int32_t y = y0; y <= y1; y += step)
            for (int32_t x = x0; x <= x1; x += step)
                n += wanted(at(x, y));
        return n;
    }

    // The current unit's tile is filled with the highlight under its sprite,
    // and one row further down than across.
    bool highlighted(const Layout& l, int32_t x, int32_t y) const {
        const int32_t pixels =
            count(l.left(x) + 1, l.top(y) + 1, l.left(x) + l.tileW() - 1, l.top(y) + l.tileH(), 1,
                  [&](Rgb c) { return sameColour(c, l.highlight); });
        return pixels >= l.tileW() / 2;
    }

    std::unique_ptr<VirtualDisplay> display;
    std::unique_ptr<ChildProcess> game;
    int32_t originX = 0, originY = 0;
    int32_t scale = 1;
};
} // namespace

std::string scaleName(const ::testing::TestParamInfo<Desktop>& desktop) {
    return "Scale" + std::to_string(desktop.param.scale);
}

INSTANTIATE_TEST_SUITE_P(Desktops, WindowedGame,
                         ::testing::Values(Desktop{"1024x768x24", 1}, Desktop{"1920x1080x24", 2}),
                         scaleName);

// Every game pixel an exact block: the scaled title shrunk back is the 1x title.
TEST_P(WindowedGame, ScaledTitleIsTheOneTimesTitleInBlocks) {
    if (scale == 1)
        GTEST_SKIP() << "the 1x title is what the others are held to";
    const int32_t wanted = scale;
    scale = 1;
    const std::vector<Rgb> plain = titleShown({"--scale", "1"});
    ASSERT_EQ(plain.size(), size_t{SCREEN_W_PX * SCREEN_H_PX}) << "no 1x window";
    game->stop();
    scale = wanted;
    const std::vector<Rgb> scaled = titleShown({});
    ASSERT_EQ(scaled.size(), plain.size() * scale * scale) << "no window at " << scale << "x";
    int32_t wrong = 0;
    for (int32_t y = 0; y < SCREEN_H_PX * scale; ++y)
        for (int32_t x = 0; x < SCREEN_W_PX * scale; ++x)
            wrong += !(scaled[static_cast<size_t>(y) * SCREEN_W_PX * scale + x] ==
                       plain[static_cast<size_t>(y / scale) * SCREEN_W_PX + x / scale]);
    EXPECT_EQ(wrong, 0) << "screen pixels that are not their game pixel's colour";
}

TEST_P(WindowedGame, TitleStoryOneMoveOnFloorOneAndEsc) {
    const Layout layout = readLayout();
    ASSERT_GT(layout.side, 2) << "floor 1's map";
    ASSERT_GT(layout.squadSize, 0);
    start();
    ASSERT_TRUE(await([&] { return findWindow(); }, SCREEN_LIMIT))
        << "no window of " << scale << " times the frame";
    EXPECT_TRUE(await([&] { return display->findWindow("Vellmora") != 0; }, SCREEN_LIMIT))
        << "the window is not titled";

    // The title menu: its picture fills the window; the start button begins.
    std::this_thread::sleep_for(500ms);
    ASSERT_TRUE(game->running()) << readWholeFile(stdoutPath());
    click(START_X, START_Y);

    // The story page: text from (10, 60) and the prompt centred at the bottom.
    ASSERT_TRUE(await(
        [&] {
            return count(220, 455, 420, 462, 2, white) > 20 && count(10, 60, 330, 67, 2, white) > 5;
        },
        SCREEN_LIMIT))
        << "no story page after the start button";
    key("space");

    // Floor 1: wait for a soldier's turn; the squad starts in column 1.
    int32_t row = -1;
    ASSERT_TRUE(await(
        [&] {
            for (int32_t r = 1; r <= layout.squadSize && row < 0; ++r)
                if (highlighted(layout, 1, r))
                    row = r;
            return row > 0;
        },
        SOLDIERS_TURN_LIMIT))
        << "no soldier's turn on floor 1";

    // One step to the right; the highlight goes with the soldier, whose turn goes on.
    // A press while an enemy's shot is still shown is not taken, so press again.
    const int32_t target = 2;
    ASSERT_NE(layout.code(target, row), 2) << "floor 1 has a wall right of the soldier";
    const auto stepped = [&] {
        return highlighted(layout, target, row) && !highlighted(layout, 1, row);
    };
    bool moved = false;
    for (int32_t attempt = 0; attempt < 10 && !moved; ++attempt) {
        click(layout.left(target) + layout.tileW() / 2, layout.top(row) + layout.tileH() / 2);
        pointTo(layout.panelWidth / 2, 10);
        moved = await(stepped, 2s);
    }
    EXPECT_TRUE(moved) << "the soldier did not step to (" << target << ", " << row << ")";

    // Esc ends the game, and the program ends cleanly. The game looks at Esc
    // once a pass, so a quick tap can fall between two looks on a slow
    // (sanitized, shared) machine: the key stays down until the program ends.
    xdotool("keydown Escape");
    const auto status = game->waitFor(SCREEN_LIMIT);
    xdotool("keyup Escape");
    ASSERT_TRUE(status.has_value()) << "still running after Esc";
    EXPECT_EQ(*status, 0);
    EXPECT_EQ(readWholeFile(stdoutPath()), "");
}
