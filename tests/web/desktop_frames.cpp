// The desktop's side of the browser test: the native game, headless, given the
// presses of presses.txt by the scripted platform. The frame each press leads
// to is written as <screen>.ppm, for the browser's canvas to be held against.
//
//   web_desktop_frames RUN_DIR PRESSES OUT_DIR
#include <allegro.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "draw/pictures.h"
#include "shell/new_game.h"
#include "shell/platform_allegro.h"
#include "shell/play_game.h"
#include "shell/startup.h"
#include "support/scripted_platform.h"
#include "world/floor_loading.h"
#include "world/game_state.h"
#include "world/settings.h"

namespace fs = std::filesystem;

namespace {
// Long enough for any press's consequences to play out, enemies' turns included.
constexpr int32_t SETTLE_TICKS = 400;

bool writePpm(const fs::path& path, BITMAP* frame) {
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << frame->w << ' ' << frame->h << "\n255\n";
    for (int y = 0; y < frame->h; ++y)
        for (int x = 0; x < frame->w; ++x) {
            const int pixel = getpixel(frame, x, y);
            out << char(getr16(pixel)) << char(getg16(pixel)) << char(getb16(pixel));
        }
    return bool(out);
}

// As main starts the game, with the library's picture reader and no screen.
bool startGame() {
    Platform files = nullPlatform();
    files.loadPicture = allegroPlatform().loadPicture;
    files.transparentText = allegroPlatform().transparentText;
    installPlatform(files);
    if (install_allegro(SYSTEM_NONE, &errno, std::atexit) != 0)
        return false;
    set_color_depth(16);
    backBuffer = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
    if (!backBuffer || !loadPictures())
        return false;
    resetForNewGame(1);
    initGameState();
    return loadFloor(floorNumber);
}

// Each line: screen, what (point, left, right or key), x and y. Each screen
// is shown by the last tick its press holds.
std::vector<std::pair<std::string, int32_t>> script(ScriptedPlatform& play, std::ifstream& presses) {
    std::vector<std::pair<std::string, int32_t>> screens;
    std::string line;
    int32_t tick = 0, x = 0, y = 0;
    char name[32], what[8];
    while (std::getline(presses, line)) {
        if (line[0] == '#' || std::sscanf(line.c_str(), "%31s %7s %d %d", name, what, &x, &y) < 2)
            continue;
        const std::string press = what;
        if (press == "left" || press == "right") {
            play.hold(pressAt(x, y, press == "left" ? 1 : 2), 1);
            ++tick;
        }
        Moment settled = pointerAt(x, y);
        settled.key = press == "key";
        play.hold(settled, SETTLE_TICKS);
        screens.emplace_back(name, tick += SETTLE_TICKS);
    }
    play.hold(escape());
    return screens;
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 4)
        return 2;
    std::ifstream presses(argv[2]);
    const fs::path out = fs::absolute(argv[3]);
    fs::create_directories(out);
    fs::current_path(argv[1]);
    if (!presses || !startGame())
        return 1;
    ScriptedPlatform play;
    const auto screens = script(play, presses);
    size_t next = 0;
    bool written = true;
    play.onTick = [&] {
        if (next < screens.size() && play.ticks() == screens[next].second)
            written = writePpm(out / (screens[next++].first + ".ppm"), backBuffer) && written;
    };
    playGame();
    shutdownGame();
    std::fprintf(stderr, "web_desktop_frames: %zu of %zu screens written\n", next, screens.size());
    return next == screens.size() && written ? 0 : 1;
}
