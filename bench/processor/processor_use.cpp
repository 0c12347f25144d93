// How much of one processor core the real windowed game takes while it waits
// on the title page, on the story page and for a command on floor 1, and while
// units walk, on a private 1920 x 1080 X server (the window at 2x). Prints each
// share beside its goal; asserts nothing.
//
//   processor_bench BUILD_DIR [SECONDS]
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

#include "shell/child_process.h"
#include "shell/screen_poll.h"
#include "shell/virtual_display.h"
#include "world/map_file.h"
#include "world/mission_list.h"
#include "world/settings_file.h"

namespace {
using namespace std::chrono_literals;
constexpr int32_t SCALE = 2; // what the game picks on this desktop
constexpr int32_t FRAME_W = 640, FRAME_H = 480;
constexpr int32_t START_X = 320, START_Y = 336; // inside the start button
constexpr auto SCREEN_LIMIT = 60s;
constexpr auto POLL_STEP = 100ms;

bool await(const std::function<bool()>& condition, std::chrono::seconds limit) {
    return pollUntil(condition, limit, POLL_STEP);
}

// User and system time of the whole process, in clock ticks.
long processorTicks(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    // The fields after the command's closing parenthesis; utime and stime are 12th and 13th.
    std::string rest = line.substr(line.rfind(')') + 2);
    long utime = 0, stime = 0;
    std::sscanf(rest.c_str(), "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %ld %ld", &utime,
                &stime);
    return utime + stime;
}

class Game {
  public:
    Game(VirtualDisplay& server, const std::string& build) : display(server) {
        game = std::make_unique<ChildProcess>(
            std::vector<std::string>{build + "/prowlgrid-windowed"}, build + "/game",
            ChildProcess::Environment{{"DISPLAY", server.name()}, {"HOME", build + "/game"}});
    }
    ~Game() { game->stop(); }

    bool shown() { return display.findWindowSized(FRAME_W * SCALE, FRAME_H * SCALE) != 0; }
    Rgb at(int32_t x, int32_t y) { return display.pixel(x * SCALE, y * SCALE); }
    void xdotool(const std::string& words) {
        const std::string command = "DISPLAY=" + display.name() + " xdotool " + words + " >/dev/null";
        if (std::system(command.c_str()) != 0)
            std::fprintf(stderr, "processor_bench: xdotool %s failed\n", words.c_str());
    }
    void press(int32_t x, int32_t y, int button = 1) {
        xdotool("mousemove " + std::to_string(x * SCALE + 1) + " " + std::to_string(y * SCALE + 1));
        xdotool("mousedown " + std::to_string(button));
        std::this_thread::sleep_for(150ms);
        xdotool("mouseup " + std::to_string(button));
    }
    // Share of one core over the given time, in per cent.
    double share(std::chrono::seconds span, const std::function<void()>& meanwhile = {}) {
        const long before = processorTicks(game->pid());
        const auto start = std::chrono::steady_clock::now();
        while (std::chrono::steady_clock::now() - start < span)
            meanwhile ? meanwhile() : std::this_thread::sleep_for(POLL_STEP);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        return 100.0 * static_cast<double>(processorTicks(game->pid()) - before) /
               static_cast<double>(sysconf(_SC_CLK_TCK)) / seconds;
    }

  private:
    VirtualDisplay& display;
    std::unique_ptr<ChildProcess> game;
};

bool white(Rgb c) {
    return c.red > 200 && c.green > 200 && c.blue > 200;
}

void print(const char* state, double percent, double goal) {
    std::printf("%-44s %5.1f %% of a core  (goal: at most %.0f %%)\n", state, percent, goal);
}

// The first soldier's cell on floor 1, and the cell two to its right.
struct FloorOne {
    int32_t left = 0, top = 0, tileW = 0, tileH = 0;
    Rgb highlight{0, 0, 0};
};

FloorOne readFloorOne(const std::string& run) {
    SettingsRecords settings;
    parseSettingsFile((run + "/init.txt").c_str(), settings);
    int32_t floors = 0;
    FloorPlan plan;
    std::string why;
    MapGrid grid;
    FloorOne f;
    if (!readMissionList((run + "/Data/Missions/Mission.dat").c_str(), 1, floors, plan, why) ||
        !readMapFile((run + "/" + plan.mapPath).c_str(), grid, why) || grid.width < 1)
        return f;
    f.tileW = (FRAME_W - settings.panelWidth) / grid.width;
    f.tileH = (FRAME_H - settings.bandHeight) / grid.width;
    f.left = settings.panelWidth;
    f.highlight = Rgb{settings.red, settings.green, settings.blue};
    return f;
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: processor_bench BUILD_DIR [SECONDS]\n");
        return 2;
    }
    const std::string build = std::filesystem::absolute(argv[1]).string();
    const auto span = std::chrono::seconds(argc > 2 ? std::atoi(argv[2]) : 10);
    VirtualDisplay display("1920x1080x24");
    Game game(display, build);
    const FloorOne floor = readFloorOne(build + "/game");
    if (!await([&] { return game.shown(); }, SCREEN_LIMIT) ||
        !await([&] { return !white(game.at(600, 40)); }, SCREEN_LIMIT)) {
        std::fprintf(stderr, "processor_bench: no 2x window with the title page\n");
        return 1;
    }
    std::printf("The windowed game on a 1920 x 1080 display, %lld s a state:\n",
                static_cast<long long>(span.count()));
    print("waiting on the title page", game.share(span), 5);
    game.press(START_X, START_Y);
    if (!await([&] { return white(game.at(320, 458)) || white(game.at(10 + 8, 63)); }, SCREEN_LIMIT))
        return std::fprintf(stderr, "processor_bench: no story page\n"), 1;
    print("waiting on the story page", game.share(span), 5);
    game.xdotool("key space");
    // A soldier's turn: the highlight under the first soldier in column 1.
    const auto soldiersTurn = [&] {
        for (int32_t row = 1; row <= 4; ++row) {
            const Rgb c = game.at(floor.left + floor.tileW + 1, row * floor.tileH + 1);
            if (std::abs(c.red - floor.highlight.red) < 12 && std::abs(c.green - floor.highlight.green) < 12 &&
                std::abs(c.blue - floor.highlight.blue) < 12)
                return true;
        }
        return false;
    };
    if (!await(soldiersTurn, SCREEN_LIMIT))
        return std::fprintf(stderr, "processor_bench: no soldier's turn on floor 1\n"), 1;
    print("waiting for a command on floor 1", game.share(span), 5);
    // Soldiers walk back and forth and end their turns; the guards then walk too.
    int32_t step = 0;
    const double walking = game.share(span, [&] {
        const int32_t column = 1 + 2 * (step % 2);
        game.press(floor.left + column * floor.tileW + floor.tileW / 2, floor.tileH + floor.tileH / 2,
                   step % 3 == 2 ? 3 : 1);
        ++step;
        std::this_thread::sleep_for(300ms);
    });
    print("while units walk and turns pass", walking, 15);
    return 0;
}
