// The real windowed game under a virtual display, driven by a simulated mouse
// and keyboard: the title menu, the story page, one move on floor 1 and Esc.
// Waits poll the screen with generous bounds; nothing asserts how fast it is.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {
const std::string BINARY = std::string(PROWLGRID_BINARY_DIR) + "/prowlgrid-windowed";
const std::string RUN_DIRECTORY = std::string(PROWLGRID_BINARY_DIR) + "/game";
constexpr int SCREEN_W = 640;
constexpr int SCREEN_H = 480;
constexpr int START_X = 320, START_Y = 336;

// A process of ours, ended by its id when the test is over.
class Child {
  public:
    Child(const std::vector<std::string>& argv, const std::string& directory,
          const std::string& display, bool quiet = false) {
        pid = fork();
        if (pid == 0) {
            if (quiet && !std::freopen("/dev/null", "w", stderr))
                _exit(127);
            if (!directory.empty() && chdir(directory.c_str()) != 0)
                _exit(127);
            if (!display.empty())
                setenv("DISPLAY", display.c_str(), 1);
            std::vector<char*> args;
            for (const std::string& a : argv)
                args.push_back(const_cast<char*>(a.c_str()));
            args.push_back(nullptr);
            execvp(args[0], args.data());
            _exit(127);
        }
    }
    ~Child() {
        if (pid > 0 && !ended) {
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
        }
    }
    // The exit status once the process has ended by itself; -1 while it runs.
    int exitStatus() {
        if (ended)
            return status;
        int raw = 0;
        if (waitpid(pid, &raw, WNOHANG) != pid)
            return -1;
        ended = true;
        status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
        return status;
    }

  private:
    pid_t pid = -1;
    bool ended = false;
    int status = -1;
};

bool waitFor(const std::function<bool()>& condition, int seconds) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < until) {
        if (condition())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return condition();
}

std::string output(const std::string& command) {
    std::string out;
    if (FILE* p = popen(command.c_str(), "r")) {
        char buffer[256];
        while (fgets(buffer, sizeof buffer, p))
            out += buffer;
        pclose(p);
    }
    return out;
}

struct Rgb {
    int r = 0, g = 0, b = 0;
};

bool near(const Rgb& a, const Rgb& b) {
    return std::abs(a.r - b.r) <= 12 && std::abs(a.g - b.g) <= 12 && std::abs(a.b - b.b) <= 12;
}

// The game window's picture, as the virtual display shows it.
struct Shot {
    int w = 0, h = 0;
    std::vector<unsigned char> data;
    Rgb at(int x, int y) const {
        if (x < 0 || y < 0 || x >= w || y >= h)
            return Rgb{-100, -100, -100};
        const size_t i = 3 * (static_cast<size_t>(y) * w + x);
        return Rgb{data[i], data[i + 1], data[i + 2]};
    }
    int count(int x0, int y0, int x1, int y1, const std::function<bool(Rgb)>& wanted) const {
        int n = 0;
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                n += wanted(at(x, y));
        return n;
    }
};

bool white(Rgb c) {
    return c.r > 200 && c.g > 200 && c.b > 200;
}

// Settings and floor 1's geometry, read the way the game reads them.
struct Layout {
    int bandHeight = 0, panelWidth = 0;
    Rgb highlight;
    int mapWidth = 0;
    std::vector<int> cells; // y * mapWidth + x
    int squadSize = 0;
    int tileW() const { return (SCREEN_W - panelWidth) / mapWidth; }
    int tileH() const { return (SCREEN_H - bandHeight) / mapWidth; }
    int cellX(int x) const { return panelWidth + x * tileW(); }
    int cellY(int y) const { return y * tileH(); }
};

Layout readLayout() {
    Layout l;
    char label[64];
    int skip = 0;
    FILE* init = std::fopen((RUN_DIRECTORY + "/init.txt").c_str(), "rb");
    if (!init)
        return l;
    std::fscanf(init, "%63s %i", label, &l.bandHeight);
    std::fscanf(init, "%63s %i", label, &l.panelWidth);
    std::fscanf(init, "%63s %i %63s %i %63s %i", label, &skip, label, &skip, label, &skip);
    std::fscanf(init, "%63s %i %i %i", label, &l.highlight.r, &l.highlight.g, &l.highlight.b);
    std::fclose(init);

    FILE* missions = std::fopen((RUN_DIRECTORY + "/Data/Missions/Mission.dat").c_str(), "r");
    if (!missions)
        return l;
    char map[128];
    int units = 0;
    std::fscanf(missions, "%i %63s %127s %63s %i %63s %i", &skip, label, map, label, &units, label,
                &l.squadSize);
    std::fclose(missions);
    std::ifstream file(RUN_DIRECTORY + "/" + map, std::ios::binary);
    int32_t side[2] = {0, 0};
    file.read(reinterpret_cast<char*>(side), sizeof side);
    l.mapWidth = side[0];
    std::vector<int32_t> block(static_cast<size_t>(side[0]) * side[0]);
    file.read(reinterpret_cast<char*>(block.data()), block.size() * 4);
    l.cells.resize(block.size());
    for (int x = 0; x < side[0]; ++x)
        for (int y = 0; y < side[0]; ++y)
            l.cells[y * side[0] + x] = block[x * side[0] + y];
    return l;
}

class WindowedGame : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!std::filesystem::is_directory(RUN_DIRECTORY))
            GTEST_SKIP() << "no run directory at " << RUN_DIRECTORY
                         << ": the game's data is assembled there by the build";
        for (int n = 90; n < 140 && display.empty(); ++n)
            if (!std::filesystem::exists("/tmp/.X" + std::to_string(n) + "-lock"))
                display = ":" + std::to_string(n);
        ASSERT_FALSE(display.empty());
        screen = std::make_unique<Child>(std::vector<std::string>{"Xvfb", display, "-screen", "0",
                                                                  "800x600x24", "-nolisten", "tcp"},
                                         "", "");
        ASSERT_TRUE(waitFor([&] { return run("xdpyinfo >/dev/null 2>&1") == 0; }, 20))
            << "the virtual display did not come up";
    }

    int run(const std::string& command) const {
        return std::system(("DISPLAY=" + display + " " + command).c_str());
    }

    // Window-relative pointer moves and clicks, keys to the window under the pointer.
    void pointTo(int x, int y) const {
        run("xdotool mousemove " + std::to_string(windowX + x) + " " + std::to_string(windowY + y));
    }
    void click(int x, int y) const {
        pointTo(x, y);
        run("xdotool mousedown 1");
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        run("xdotool mouseup 1");
    }
    void key(const std::string& name) const { run("xdotool key " + name); }

    Shot capture() const {
        const std::string file = testing::TempDir() + "window" + display.substr(1) + ".ppm";
        Shot shot;
        run("import -window root -crop " + std::to_string(SCREEN_W) + "x" +
            std::to_string(SCREEN_H) + "+" + std::to_string(windowX) + "+" +
            std::to_string(windowY) + " ppm:" + file + " 2>/dev/null");
        FILE* f = std::fopen(file.c_str(), "rb");
        if (!f)
            return shot;
        int maxValue = 0;
        if (std::fscanf(f, "P6 %d %d %d", &shot.w, &shot.h, &maxValue) == 3) {
            std::fgetc(f);
            shot.data.resize(static_cast<size_t>(shot.w) * shot.h * 3);
            if (std::fread(shot.data.data(), 1, shot.data.size(), f) != shot.data.size())
                shot.w = shot.h = 0;
        }
        std::fclose(f);
        std::remove(file.c_str());
        return shot;
    }

    bool findWindow() {
        const std::string id =
            output("DISPLAY=" + display + " xdotool search --name Vellmora 2>/dev/null | head -1");
        if (id.empty())
            return false;
        const std::string geometry =
            output("DISPLAY=" + display + " xdotool getwindowgeometry --shell " + id);
        std::sscanf(geometry.c_str() + geometry.find("X="), "X=%d", &windowX);
        std::sscanf(geometry.c_str() + geometry.find("Y="), "Y=%d", &windowY);
        return true;
    }

    // Highlighted pixels of the current unit's tile: under the sprite, and one row below it.
    int highlightIn(const Shot& shot, const Layout& l, int x, int y) const {
        return shot.count(l.cellX(x) + 1, l.cellY(y) + 1, l.cellX(x) + l.tileW() - 1,
                          l.cellY(y) + l.tileH(), [&](Rgb c) { return near(c, l.highlight); });
    }

    std::string display;
    std::unique_ptr<Child> screen;
    int windowX = 0, windowY = 0;
};
} // namespace

TEST_F(WindowedGame, TitleStoryOneMoveAndEsc) {
    const Layout layout = readLayout();
    ASSERT_GT(layout.mapWidth, 2) << "floor 1's map";
    ASSERT_GT(layout.squadSize, 0);
    Child game({BINARY}, RUN_DIRECTORY, display);
    ASSERT_TRUE(waitFor([&] { return findWindow(); }, 30)) << "no window titled Vellmora";

    // The title menu: the title picture, no text page yet.
    ASSERT_TRUE(waitFor([&] { return capture().w == SCREEN_W; }, 10));
    pointTo(START_X, START_Y);
    click(START_X, START_Y);

    // The story page: the prompt centred near the bottom, text from (10, 60).
    ASSERT_TRUE(waitFor(
        [&] {
            const Shot s = capture();
            return s.count(220, 455, 420, 463, white) > 50 && s.count(10, 60, 300, 67, white) > 10;
        },
        20))
        << "no story page after the start button";
    key("space");

    // Floor 1: wait for a soldier's turn, its tile highlighted in column 1.
    int row = -1;
    ASSERT_TRUE(waitFor(
        [&] {
            const Shot s = capture();
            for (int r = 1; r <= layout.squadSize; ++r)
                if (highlightIn(s, layout, 1, r) > layout.tileW())
                    row = r;
            return row > 0;
        },
        60))
        << "no soldier's turn on floor 1";

    // One step to the right, onto free floor; the highlight follows the soldier.
    const int targetX = 2;
    ASSERT_EQ(layout.cells[row * layout.mapWidth + targetX], 0) << "floor 1 has no free cell there";
    click(layout.cellX(targetX) + layout.tileW() / 2, layout.cellY(row) + layout.tileH() / 2);
    pointTo(layout.panelWidth / 2, 10);
    EXPECT_TRUE(waitFor(
        [&] {
            const Shot s = capture();
            return highlightIn(s, layout, targetX, row) > layout.tileW() &&
                   highlightIn(s, layout, 1, row) < layout.tileW();
        },
        20))
        << "the soldier did not step to (" << targetX << ", " << row << ")";

    // Esc ends the game; the program exits cleanly.
    pointTo(layout.panelWidth / 2, 10);
    key("Escape");
    EXPECT_TRUE(waitFor([&] { return game.exitStatus() >= 0; }, 20)) << "still running after Esc";
    EXPECT_EQ(game.exitStatus(), 0);
}
