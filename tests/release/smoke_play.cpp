// Plays the start of a packaged game on an X display, as a player would:
// the title page, START, the story page, a key, floor 1, optionally one move,
// then Esc; the program must end with status 0. Every wait polls the screen.
//
//   smoke_play RUN_DIR TITLE.ppm [--exact] [--save SHOWN.ppm] [--move]
//              [--detached PROGRAM] -- COMMAND...
//
// RUN_DIR is the package's data folder (its settings and floor 1 give the
// layout). The title page is found on the screen (inside Wine's virtual
// desktop too) by its likeness to TITLE.ppm; with --exact it must equal it
// pixel for pixel, up to one step of 16-bit rounding, but for the parked
// pointer. --save keeps what the title page showed. --detached: COMMAND only
// launches the game (a shortcut), which then runs as PROGRAM. Input goes
// through xdotool.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr int SCREEN_W = 640, SCREEN_H = 480;
constexpr int START_X = 320, START_Y = 336; // inside the start button
// The pointer is parked here for the title; the game's pointer sprite and a
// host cursor drawn there are left out of the comparison.
constexpr int PARK_X = 600, PARK_Y = 24, PARK_BOX = 40;
constexpr auto SCREEN_LIMIT = 60s;       // generous: shared machine, Wine's start
constexpr auto SOLDIERS_TURN_LIMIT = 90s; // the enemies may act first
constexpr auto POLL_STEP = 100ms;

struct Rgb {
    int r, g, b;
};

struct Image {
    int w = 0, h = 0;
    std::vector<Rgb> px;
    const Rgb& at(int x, int y) const { return px[static_cast<size_t>(y) * w + x]; }
};

[[noreturn]] void fail(const std::string& why) {
    throw std::runtime_error(why);
}

// The 16-bit level a widened 8-bit channel came from; 5 or 6 bits.
int level(int value, int bits) {
    const int top = (1 << bits) - 1;
    return (value * top + 127) / 255;
}
// Equal up to one step of 16-bit rounding in each channel.
bool sameColour(const Rgb& a, const Rgb& b) {
    return std::abs(level(a.r, 5) - level(b.r, 5)) <= 1 &&
           std::abs(level(a.g, 6) - level(b.g, 6)) <= 1 &&
           std::abs(level(a.b, 5) - level(b.b, 5)) <= 1;
}
bool white(const Rgb& c) {
    return c.r > 200 && c.g > 200 && c.b > 200;
}

Image readPpm(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int maxval = 0;
    Image image;
    in >> magic >> image.w >> image.h >> maxval;
    in.get();
    if (!in || magic != "P6" || maxval != 255 || image.w <= 0 || image.h <= 0 ||
        image.w > 4096 || image.h > 4096)
        fail("not a binary 8-bit PPM: " + path);
    std::vector<unsigned char> bytes(static_cast<size_t>(image.w) * image.h * 3);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
        fail("short PPM: " + path);
    for (size_t i = 0; i < bytes.size(); i += 3)
        image.px.push_back({bytes[i], bytes[i + 1], bytes[i + 2]});
    return image;
}

void writePpm(const std::string& path, const Image& image) {
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << image.w << " " << image.h << "\n255\n";
    for (const Rgb& c : image.px) {
        const char bytes[3] = {static_cast<char>(c.r), static_cast<char>(c.g),
                               static_cast<char>(c.b)};
        out.write(bytes, 3);
    }
    if (!out)
        fail("cannot write " + path);
}

int channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0)
        return 0;
    int shift = 0;
    while (!((mask >> shift) & 1))
        ++shift;
    return static_cast<int>(((pixel & mask) >> shift) * 255 / (mask >> shift));
}

class RootScreen {
  public:
    RootScreen() : display(XOpenDisplay(nullptr)) {
        if (!display)
            fail("no X display");
    }
    ~RootScreen() { XCloseDisplay(display); }
    RootScreen(const RootScreen&) = delete;
    RootScreen& operator=(const RootScreen&) = delete;

    Image grab(int x, int y, int w, int h) const {
        XImage* raw = XGetImage(display, DefaultRootWindow(display), x, y, w, h, AllPlanes,
                                ZPixmap);
        if (!raw)
            fail("cannot read the screen");
        Image image;
        image.w = w;
        image.h = h;
        image.px.reserve(static_cast<size_t>(w) * h);
        for (int row = 0; row < h; ++row)
            for (int col = 0; col < w; ++col) {
                const unsigned long v = XGetPixel(raw, col, row);
                image.px.push_back({channel(v, raw->red_mask), channel(v, raw->green_mask),
                                    channel(v, raw->blue_mask)});
            }
        XDestroyImage(raw);
        return image;
    }
    Image grabAll() const {
        return grab(0, 0, DisplayWidth(display, DefaultScreen(display)),
                          DisplayHeight(display, DefaultScreen(display)));
    }

  private:
    Display* display;
};

bool parked(int x, int y) {
    return x >= PARK_X - 4 && x < PARK_X + PARK_BOX && y >= PARK_Y - 4 && y < PARK_Y + PARK_BOX;
}

// Pixels of the screen at (ox, oy) that differ from the picture, outside the
// parked pointer; stops counting past `enough`.
int mismatches(const Image& screen, int ox, int oy, const Image& picture, int enough,
               int step = 1) {
    int n = 0;
    for (int y = 0; y < picture.h; y += step)
        for (int x = 0; x < picture.w; x += step) {
            if (parked(x, y))
                continue;
            if (!sameColour(screen.at(ox + x, oy + y), picture.at(x, y)) && ++n > enough)
                return n;
        }
    return n;
}

// Where the picture is on the screen, allowing a pointer drawn over it and
// the game's own stretch of the title picture (one pixel short each way).
std::optional<std::pair<int, int>> locate(const Image& screen, const Image& picture) {
    constexpr int SPARSE = 8, SPARSE_SLACK = 100, WHOLE_SLACK = 6000;
    for (int oy = 0; oy + picture.h <= screen.h; ++oy)
        for (int ox = 0; ox + picture.w <= screen.w; ++ox)
            if (sameColour(screen.at(ox + 8, oy + picture.h / 2), picture.at(8, picture.h / 2)) &&
                mismatches(screen, ox, oy, picture, SPARSE_SLACK, SPARSE) <= SPARSE_SLACK &&
                mismatches(screen, ox, oy, picture, WHOLE_SLACK) <= WHOLE_SLACK)
                return std::make_pair(ox, oy);
    return std::nullopt;
}

bool await(const std::function<bool()>& condition, Clock::duration limit) {
    const auto deadline = Clock::now() + limit;
    while (Clock::now() < deadline) {
        if (condition())
            return true;
        std::this_thread::sleep_for(POLL_STEP);
    }
    return condition();
}

void xdotool(const std::string& arguments) {
    const std::string command = "xdotool " + arguments + " >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0)
        fail("failed: " + command);
}

// What floor 1 looks like: the settings' band, panel and highlight, the map's side.
struct Layout {
    int band = 0, panel = 0, side = 0;
    Rgb highlight{0, 0, 0};
    int tileW() const { return (SCREEN_W - panel) / side; }
    int tileH() const { return (SCREEN_H - band) / side; }
};

Layout readLayout(const std::string& runDir) {
    Layout l;
    std::ifstream settings(runDir + "/init.txt");
    std::string label;
    while (settings >> label) {
        if (label == "bandHeight")
            settings >> l.band;
        else if (label == "panelWidth")
            settings >> l.panel;
        else if (label == "highlightColor")
            settings >> l.highlight.r >> l.highlight.g >> l.highlight.b;
    }
    std::ifstream missions(runDir + "/Data/Missions/Mission.dat");
    int floors = 0;
    std::string name, path;
    missions >> floors >> name >> path;
    std::ifstream map(runDir + "/" + path, std::ios::binary);
    unsigned char width[4] = {};
    map.read(reinterpret_cast<char*>(width), 4);
    l.side = width[0] | width[1] << 8 | width[2] << 16 | width[3] << 24;
    if (!settings.eof() || !map || l.side < 3 || l.side > 480 || l.panel < 0 ||
        l.panel >= SCREEN_W || l.band < 0 || l.band >= SCREEN_H)
        fail("cannot read the layout of floor 1 in " + runDir);
    return l;
}

// Whether a process with `name` in its command line runs (ours has it too).
bool processRunning(const std::string& name) {
    const std::string self = std::to_string(getpid());
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        const std::string pid = entry.path().filename();
        if (pid == self || pid.find_first_not_of("0123456789") != std::string::npos)
            continue; // /proc/self is us too
        std::ifstream in(entry.path() / "cmdline", std::ios::binary);
        std::string line((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (line.find(name) != std::string::npos)
            return true;
    }
    return false;
}

// The game, started by COMMAND. A game started by a shortcut is no child of
// ours: then it is followed by the name of its program, and its status is not
// visible (NOT_VISIBLE).
class Game {
  public:
    static constexpr int NOT_VISIBLE = -1;

    Game(const std::vector<std::string>& command, std::string program)
        : detached(std::move(program)) {
        pid = fork();
        if (pid == 0) {
            setpgid(0, 0);
            std::vector<char*> argv;
            for (const std::string& a : command)
                argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            execvp(argv[0], argv.data());
            _exit(127);
        }
        if (pid < 0)
            fail("cannot start the game");
    }
    ~Game() {
        if (pid > 0) {
            kill(-pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    }
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    std::optional<int> exited() {
        const std::optional<int> child = childExited();
        if (detached.empty())
            return child;
        if (child && *child != 0)
            fail("the shortcut's launcher failed with status " + std::to_string(*child));
        if (processRunning(detached)) {
            seen = true;
            return std::nullopt;
        }
        return seen ? std::optional<int>(NOT_VISIBLE) : std::nullopt;
    }
    void mustRun() {
        if (const std::optional<int> status = exited())
            fail("the game ended early with status " + std::to_string(*status));
    }

  private:
    std::optional<int> childExited() {
        int status = 0;
        if (pid <= 0) 
            return code;
        if (waitpid(pid, &status, WNOHANG) != pid)
            return std::nullopt;
        pid = 0;
        code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return code;
    }

    std::string detached;
    bool seen = false;
    pid_t pid = 0;
    std::optional<int> code;
};

struct Options {
    std::string runDir, titleRef, saveTitle;
    bool move = false;
    bool exact = false;
    std::string detached;
    std::vector<std::string> command;
};

Options parse(int argc, char** argv) {
    Options o;
    int i = 1;
    if (argc < 5)
        fail("usage: smoke_play RUN_DIR TITLE_REF.ppm [--save F.ppm] [--move] -- COMMAND...");
    o.runDir = argv[i++];
    o.titleRef = argv[i++];
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--move") == 0)
            o.move = true;
        else if (std::strcmp(argv[i], "--exact") == 0)
            o.exact = true;
        else if (std::strcmp(argv[i], "--detached") == 0 && i + 1 < argc)
            o.detached = argv[++i];
        else if (std::strcmp(argv[i], "--save") == 0 && i + 1 < argc)
            o.saveTitle = argv[++i];
        else
            fail(std::string("unknown option ") + argv[i]);
    }
    for (++i; i < argc; ++i)
        o.command.push_back(argv[i]);
    if (o.command.empty())
        fail("no command to start");
    return o;
}

class Player {
  public:
    Player(const Options& options, RootScreen& on, Game& playing)
        : o(options), screen(on), game(playing), layout(readLayout(options.runDir)) {}

    void title() {
        const Image picture = readPpm(o.titleRef);
        if (picture.w != SCREEN_W || picture.h != SCREEN_H)
            fail("the title reference is not 640 x 480");
        std::optional<std::pair<int, int>> where;
        if (!await([&] { game.mustRun(); return (where = locate(screen.grabAll(), picture)).has_value(); },
                   SCREEN_LIMIT)) {
            if (!o.saveTitle.empty())
                writePpm(o.saveTitle, screen.grabAll()); // what there was instead
            fail("no title page on the screen");
        }
        ox = where->first;
        oy = where->second;
        // The game draws its pointer where it last saw it, and the library
        // can miss a jump of the mouse: nudge it in the box until it shows there.
        Image shown;
        int wrong = 0;
        int nudge = 0;
        const bool same = await(
            [&] {
                nudge = 2 - nudge;
                point(PARK_X + nudge, PARK_Y + nudge);
                std::this_thread::sleep_for(POLL_STEP);
                shown = screen.grab(ox, oy, SCREEN_W, SCREEN_H);
                wrong = mismatches(shown, 0, 0, picture, SCREEN_W * SCREEN_H);
                return o.exact ? wrong == 0 : parkedPointerShown(shown);
            },
            10s);
        if (!o.saveTitle.empty())
            writePpm(o.saveTitle, shown);
        if (!same)
            fail(o.exact ? "the title page differs from " + o.titleRef + " in " +
                               std::to_string(wrong) + " pixels"
                         : std::string("the game's pointer did not follow the mouse"));
        std::printf("title page at (%d, %d)%s\n", ox, oy,
                    o.exact ? (", equal to " + o.titleRef).c_str() : "");
    }

    // The first press may only give the window the focus: press until it shows.
    void story() {
        const auto shown = [&] {
            return count(220, 455, 420, 462, 2, white) > 20 && count(10, 60, 330, 67, 2, white) > 5;
        };
        bool seen = false;
        for (int attempt = 0; attempt < 10 && !seen; ++attempt) {
            game.mustRun();
            click(START_X, START_Y);
            seen = await(shown, 3s);
        }
        if (!seen)
            fail("no story page after START");
        std::printf("story page\n");
    }

    void floorOne() {
        xdotool("key space");
        const auto deadline = Clock::now() + SOLDIERS_TURN_LIMIT;
        while (soldierRow() < 0) {
            game.mustRun();
            if (Clock::now() > deadline)
                fail("no soldier's turn on floor 1");
            // Still the story page: the key went astray, press again.
            if (count(220, 455, 420, 462, 2, white) > 20)
                xdotool("key space");
            std::this_thread::sleep_for(POLL_STEP);
        }
        std::printf("floor 1, a soldier's turn in row %d\n", soldierRow());
    }

    void oneMove() {
        const int row = soldierRow();
        const int target = 2;
        const auto stepped = [&] { return highlighted(target, row) && !highlighted(1, row); };
        bool moved = false;
        for (int attempt = 0; attempt < 10 && !moved; ++attempt) {
            game.mustRun();
            click(left(target) + layout.tileW() / 2, top(row) + layout.tileH() / 2);
            point(layout.panel / 2, 10);
            moved = await(stepped, 3s);
        }
        if (!moved)
            fail("the soldier did not step right");
        std::printf("one step to (%d, %d)\n", target, row);
    }

    int quit() {
        // The key stays down until the program ends: a tap may fall between two looks.
        xdotool("keydown Escape");
        std::optional<int> status;
        await([&] { return (status = game.exited()).has_value(); }, SCREEN_LIMIT);
        xdotool("keyup Escape");
        if (!status)
            fail("still running after Esc");
        if (*status == Game::NOT_VISIBLE) {
            std::printf("Esc: the game ended (a shortcut does not pass its status on)\n");
            return 0;
        }
        std::printf("Esc: status %d\n", *status);
        return *status;
    }

  private:
    // Nothing of the title picture's own dark sky looks like the red pointer.
    static bool parkedPointerShown(const Image& shown) {
        for (int y = PARK_Y; y < PARK_Y + PARK_BOX / 2; ++y)
            for (int x = PARK_X; x < PARK_X + PARK_BOX / 2; ++x)
                if (shown.at(x, y).r > 150 && shown.at(x, y).g < 80)
                    return true;
        return false;
    }
    int count(int x0, int y0, int x1, int y1, int step, bool (*wanted)(const Rgb&)) const {
        const Image part = screen.grab(ox + x0, oy + y0, x1 - x0 + 1, y1 - y0 + 1);
        int n = 0;
        for (int y = 0; y < part.h; y += step)
            for (int x = 0; x < part.w; x += step)
                n += wanted(part.at(x, y));
        return n;
    }
    int left(int x) const { return layout.panel + x * layout.tileW(); }
    int top(int y) const { return y * layout.tileH(); }
    // The acting unit's tile is filled with the highlight under its sprite.
    bool highlighted(int x, int y) const {
        const Image tile = screen.grab(ox + left(x) + 1, oy + top(y) + 1, layout.tileW() - 2,
                                       layout.tileH() - 1);
        int n = 0;
        for (const Rgb& c : tile.px)
            n += sameColour(c, layout.highlight);
        return n >= layout.tileW() / 2;
    }
    int soldierRow() const {
        for (int row = 1; row < layout.side - 1; ++row)
            if (highlighted(1, row))
                return row;
        return -1;
    }
    void point(int x, int y) const {
        xdotool("mousemove " + std::to_string(ox + x) + " " + std::to_string(oy + y));
    }
    void click(int x, int y) const {
        point(x, y);
        xdotool("mousedown 1");
        std::this_thread::sleep_for(300ms); // held across a few of the game's passes
        xdotool("mouseup 1");
    }

    const Options& o;
    RootScreen& screen;
    Game& game;
    Layout layout;
    int ox = 0, oy = 0;
};
} // namespace

int main(int argc, char** argv) {
    try {
        const Options options = parse(argc, argv);
        RootScreen screen;
        Game game(options.command, options.detached);
        Player player(options, screen, game);
        player.title();
        player.story();
        player.floorOne();
        if (options.move)
            player.oneMove();
        const int status = player.quit();
        return status == 0 ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "smoke_play: %s\n", e.what());
        return 1;
    }
}
