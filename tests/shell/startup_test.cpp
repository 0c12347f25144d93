// The real binaries under a private X server, against a run directory made
// by the test: what start-up shows, and how it ends when it cannot go on.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "child_process.h"
#include "run_directory.h"
#include "virtual_display.h"

namespace {
using namespace std::chrono_literals;

constexpr auto START_LIMIT = 20s; // generous: the machine is shared
constexpr auto QUIT_LIMIT = 10s;
constexpr auto POLL_STEP = 50ms;
constexpr int32_t COLOUR_TOLERANCE = 12; // 16-bit pixels widened back to 8 bits
constexpr const char* TITLE = "Vellmora";
constexpr int32_t SCREEN_W_PX = 640;
constexpr int32_t SCREEN_H_PX = 480;
const std::string WINDOWED = std::string(PROWLGRID_BINARY_DIR) + "/prowlgrid-windowed";
const std::string FULL_SCREEN = std::string(PROWLGRID_BINARY_DIR) + "/prowlgrid";

bool near(int32_t a, int32_t b) {
    return std::abs(a - b) <= COLOUR_TOLERANCE;
}
bool sameColour(Rgb a, Rgb b) {
    return near(a.red, b.red) && near(a.green, b.green) && near(a.blue, b.blue);
}

class StartUp : public ::testing::Test {
  protected:
    VirtualDisplay display;
    RunDirectory run;
    std::unique_ptr<ChildProcess> game;

    void start(const std::string& binary, ChildProcess::Environment extra = {},
               std::vector<std::string> arguments = {}) {
        start(binary, run, std::move(extra), std::move(arguments));
    }
    void start(const std::string& binary, const RunDirectory& in,
               ChildProcess::Environment extra = {}, std::vector<std::string> arguments = {}) {
        // The library reads allegro.cfg from HOME (and beside the binary), so
        // HOME points into the run directory: the tests own its configuration.
        // A test's own DISPLAY comes later and wins.
        extra.insert(extra.begin(), {{"DISPLAY", display.name()}, {"HOME", in.path()}});
        arguments.insert(arguments.begin(), binary);
        game = std::make_unique<ChildProcess>(arguments, in.path(), extra, in.file("stdout.txt"),
                                              in.file("stderr.txt"));
    }

    std::string printed() const { return printed(run); }
    std::string printed(const RunDirectory& in) const {
        return readWholeFile(in.file("stdout.txt"));
    }

    // The window that shows the game's picture: 640 x 480 unless said otherwise.
    unsigned long awaitPictureWindow(int32_t width = SCREEN_W_PX, int32_t height = SCREEN_H_PX) {
        const auto deadline = std::chrono::steady_clock::now() + START_LIMIT;
        while (std::chrono::steady_clock::now() < deadline && game->running()) {
            if (unsigned long window = display.findWindowSized(width, height))
                return window;
            std::this_thread::sleep_for(POLL_STEP);
        }
        return 0;
    }

    // Two points far apart, so a pointer sprite can never cover both; the
    // frame may sit inside the window, at a scale.
    bool awaitTitlePicture(unsigned long window, int32_t frameLeft = 0, int32_t frameTop = 0,
                           int32_t scale = 1) {
        int32_t left = 0, top = 0;
        display.windowOrigin(window, left, top);
        left += frameLeft;
        top += frameTop;
        const auto deadline = std::chrono::steady_clock::now() + START_LIMIT;
        while (std::chrono::steady_clock::now() < deadline && game->running()) {
            if (sameColour(display.pixel(left + 40 * scale, top + 40 * scale), TITLE_COLOUR) &&
                sameColour(display.pixel(left + 600 * scale, top + 440 * scale), TITLE_COLOUR))
                return true;
            std::this_thread::sleep_for(POLL_STEP);
        }
        return false;
    }

    void expectTitlePictureShown(const std::string& binary) {
        start(binary);
        const unsigned long window = awaitPictureWindow();
        ASSERT_NE(window, 0u) << "no picture; printed: " << printed();
        EXPECT_TRUE(awaitTitlePicture(window));
        EXPECT_TRUE(game->running());
        EXPECT_EQ(printed(), "");
    }

    // A floor the game cannot play ends it before the title, with one line.
    void expectRefusal(const std::string& line) {
        start(WINDOWED);
        const auto status = game->waitFor(QUIT_LIMIT);
        ASSERT_TRUE(status.has_value()) << "still running";
        EXPECT_EQ(*status, 1);
        EXPECT_EQ(printed(), line + "\n");
        // The sound library talks on stderr; a sanitizer's report would too.
        const std::string errors = readWholeFile(run.file("stderr.txt"));
        EXPECT_EQ(errors.find("Sanitizer"), std::string::npos) << errors;
        EXPECT_EQ(errors.find("runtime error"), std::string::npos) << errors;
    }

    // Nothing on standard output, status 1, and the cause on standard error.
    void expectFailure(const RunDirectory& in, const std::string& cause) {
        const auto status = game->waitFor(QUIT_LIMIT);
        ASSERT_TRUE(status.has_value()) << "still running";
        EXPECT_EQ(*status, 1);
        EXPECT_EQ(printed(in), "");
        const std::string errors = readWholeFile(in.file("stderr.txt"));
        EXPECT_NE(errors.find("vellmora: " + cause + "\n"), std::string::npos) << errors;
    }
    void expectMissingPicture(const RunDirectory& in, const std::string& picture) {
        expectFailure(in, ".//Data//Images//" + picture +
                              " is missing or unreadable; the game reads its data from the "
                              "working directory (" +
                              in.path() + ")");
    }
};

TEST_F(StartUp, WindowedVariantOpensOnTheTitlePicture) {
    display.watchMappings(); // and shows that the watch sees a window appear
    expectTitlePictureShown(WINDOWED);
    EXPECT_NE(display.findWindow(TITLE), 0u) << "the window is not titled";
    EXPECT_TRUE(display.sawMapping());
}

// The desktop is 1024 x 768: the frame fits once, centred, in black.
constexpr int32_t DESKTOP_W = 1024, DESKTOP_H = 768;
constexpr int32_t CENTRED_LEFT = (DESKTOP_W - SCREEN_W_PX) / 2;
constexpr int32_t CENTRED_TOP = (DESKTOP_H - SCREEN_H_PX) / 2;
constexpr Rgb BLACK{0, 0, 0};

TEST_F(StartUp, FullScreenVariantFillsTheDesktopWithTheFrameCentred) {
    start(FULL_SCREEN);
    const unsigned long window = awaitPictureWindow(DESKTOP_W, DESKTOP_H);
    ASSERT_NE(window, 0u) << "no desktop-sized picture; printed: " << printed();
    EXPECT_TRUE(awaitTitlePicture(window, CENTRED_LEFT, CENTRED_TOP));
    for (const auto& [x, y] : {std::pair{5, 5}, std::pair{CENTRED_LEFT - 1, 400},
                               std::pair{DESKTOP_W - 1, DESKTOP_H - 1}, std::pair{500, 700}})
        EXPECT_TRUE(sameColour(display.pixel(x, y), BLACK)) << "border at " << x << ", " << y;
    EXPECT_EQ(printed(), "");
}

TEST_F(StartUp, CommandLineChoosesScaleAndKindOfScreen) {
    struct Case {
        std::string binary;
        std::vector<std::string> arguments;
        int32_t width, height; // the screen the game opens
    };
    const Case cases[] = {
        {WINDOWED, {"--scale", "1"}, SCREEN_W_PX, SCREEN_H_PX},
        {WINDOWED, {"--scale", "3"}, 3 * SCREEN_W_PX, 3 * SCREEN_H_PX},
        {FULL_SCREEN, {"--windowed", "--scale", "2"}, 2 * SCREEN_W_PX, 2 * SCREEN_H_PX},
        {WINDOWED, {"--fullscreen"}, DESKTOP_W, DESKTOP_H},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.front() + (c.arguments.size() > 1 ? " " + c.arguments.back() : ""));
        start(c.binary, {}, c.arguments);
        EXPECT_NE(awaitPictureWindow(c.width, c.height), 0u) << printed();
        game->stop();
    }
}

TEST_F(StartUp, BadCommandLineIsOneUsageLineAndStatusTwo) {
    display.watchMappings();
    for (const std::vector<std::string>& words : std::vector<std::vector<std::string>>{
             {"--scale", "9"}, {"--scale", "0"}, {"--scale"}, {"--scale", "2x"}, {"-f"}, {"floor3"}}) {
        SCOPED_TRACE(words.front());
        start(WINDOWED, {}, words);
        const auto status = game->waitFor(QUIT_LIMIT);
        ASSERT_TRUE(status.has_value()) << "still running";
        EXPECT_EQ(*status, 2);
        EXPECT_EQ(printed(), "");
        EXPECT_EQ(readWholeFile(run.file("stderr.txt")),
                  "usage: vellmora [--windowed | --fullscreen] [--scale 1-4]\n");
    }
    EXPECT_FALSE(display.sawMapping()) << "a window was shown";
}

TEST_F(StartUp, AltEnterSwitchesBetweenWindowAndFullScreen) {
    start(WINDOWED);
    unsigned long window = awaitPictureWindow();
    ASSERT_NE(window, 0u) << printed();
    ASSERT_TRUE(awaitTitlePicture(window));
    const auto altEnter = [&] {
        const std::string command = "DISPLAY=" + display.name() + " xdotool key alt+Return";
        ASSERT_EQ(std::system(command.c_str()), 0);
    };
    // Keys go to the window under the pointer: there is no window manager.
    int32_t left = 0, top = 0;
    display.windowOrigin(window, left, top);
    const std::string point = "DISPLAY=" + display.name() + " xdotool mousemove " +
                              std::to_string(left + 300) + " " + std::to_string(top + 200);
    ASSERT_EQ(std::system(point.c_str()), 0);
    altEnter();
    window = awaitPictureWindow(DESKTOP_W, DESKTOP_H);
    ASSERT_NE(window, 0u) << "no full screen after Alt+Enter";
    EXPECT_TRUE(awaitTitlePicture(window, CENTRED_LEFT, CENTRED_TOP));
    altEnter();
    window = awaitPictureWindow();
    ASSERT_NE(window, 0u) << "no window after the second Alt+Enter";
    EXPECT_TRUE(awaitTitlePicture(window));
    EXPECT_TRUE(game->running()) << "the key ended the title menu";
}

TEST_F(StartUp, WithoutSettingsFileTheGameStillStarts) {
    // All settings 0, tickMs too: the timer must get a usable interval.
    run.remove("init.txt");
    expectTitlePictureShown(WINDOWED);
}

TEST_F(StartUp, MissingPictureEndsStartUpNamingItAndTheFolderWithStatusOne) {
    // Nothing ever draws motion.bmp, yet it is required like the others.
    for (const char* picture : {"tiles.bmp", "motion.bmp", "diamond.bmp"}) {
        SCOPED_TRACE(picture);
        RunDirectory fresh;
        fresh.remove(std::string("Data/Images/") + picture);
        start(WINDOWED, fresh);
        expectMissingPicture(fresh, picture);
    }
}

TEST_F(StartUp, NoDisplayEndsStartUpWithStatusOne) {
    start(WINDOWED, {{"DISPLAY", ""}});
    expectFailure(run, "the game library could not start; is there a display?");
}

TEST_F(StartUp, RefusedFirstFloorPrintsItsReasonAndEndsWithStatusOne) {
    run.write("Data/Missions/Mission.dat",
              "1\nmap .//Data//Missions//none.map\nunits 2\nsquad 1\nmedkits 0\n");
    expectRefusal("Error loading floor 1: .//Data//Missions//none.map cannot be opened");
    run.write("Data/Missions/Mission.dat",
              "1\nmap .//Data//Missions//floor1.map\nunits 2x\nsquad 1\nmedkits 0\n");
    expectRefusal("Error loading floor 1: .//Data//Missions//Mission.dat has a malformed unit "
                  "count \"2x\" for floor 1");
    run.write("Data/Missions/Mission.dat",
              "1\nmap .//Data//Missions//floor1.map\nunits 2\nsquad 1\nmedkits 0\n");
    run.write("Data/Missions/floor1.map", std::string("\x03\0\0\0\x04\0\0\0", 8));
    expectRefusal("Error loading floor 1: .//Data//Missions//floor1.map is too short for its 3 x "
                  "4 cells");
}

TEST_F(StartUp, PictureSmallerThanWhatIsReadFromItIsRefused) {
    // 16 x 15 crashed the first floor's map background.
    run.writePicture("wall", 16, 15);
    start(WINDOWED);
    const auto status = game->waitFor(QUIT_LIMIT);
    ASSERT_TRUE(status.has_value()) << "still running";
    EXPECT_EQ(*status, 1);
    EXPECT_EQ(printed(), "");
    EXPECT_NE(readWholeFile(run.file("stderr.txt"))
                  .find(".//Data//Images//wall.bmp is 16 x 15 pixels; the game needs it at "
                        "least 16 x 16\n"),
              std::string::npos);
}

TEST_F(StartUp, SoundFailurePrintsItsLineBeforeAnyGraphicsMode) {
    // No sound card here: forcing the ALSA driver makes install_sound fail.
    run.write("allegro.cfg", "[sound]\ndigi_card = ALSA\n");
    display.watchMappings();
    // The failed driver leaves its allocations behind in a module the library
    // has already unloaded; a sanitizer build would turn that into the status.
    start(WINDOWED, {{"ASAN_OPTIONS", "detect_leaks=0"}});
    const auto status = game->waitFor(QUIT_LIMIT);
    ASSERT_TRUE(status.has_value()) << "still running";
    EXPECT_EQ(*status, 1);
    EXPECT_EQ(printed(), "Error installint sound\n");
    EXPECT_NE(readWholeFile(run.file("stderr.txt")).find("vellmora: no sound driver"),
              std::string::npos);
    EXPECT_FALSE(display.sawMapping()) << "a window was shown";
}
} // namespace
