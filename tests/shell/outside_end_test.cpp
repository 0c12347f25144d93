// The real windowed game ended from outside: signals at any moment, the close
// box on each screen and the display going away. None of them may leave the
// program hanging. Every wait polls the screen or the process with a generous
// bound; the bounds catch a hang, they do not time the game.
#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "child_process.h"
#include "run_directory.h"
#include "virtual_display.h"

namespace {
using namespace std::chrono_literals;

const std::string WINDOWED = std::string(PROWLGRID_BINARY_DIR) + "/prowlgrid-windowed";
constexpr auto SCREEN_LIMIT = 20s; // generous: the machine is shared
constexpr auto END_LIMIT = 10s;    // a hang never ends; a stop takes a moment
constexpr auto POLL_STEP = 20ms;
constexpr auto PRESS_LIMIT = 2s;
constexpr int32_t PRESS_ATTEMPTS = 10;
constexpr int32_t COLOUR_TOLERANCE = 12;
constexpr int32_t START_X = 320, START_Y = 336;
// A wall cell of the run directory's floor, in tiles of 40 x 33 right of the panel.
constexpr int32_t WALL_X = 380, WALL_Y = 180;
constexpr Rgb WALL_COLOUR{120, 120, 120};
constexpr Rgb POINTER_COLOUR{255, 255, 0};
// A free cell far from the squad: a move there takes many ticks.
constexpr int32_t FAR_CELL_X = 600, FAR_CELL_Y = 380;

bool near(Rgb a, Rgb b) {
    return std::abs(a.red - b.red) <= COLOUR_TOLERANCE &&
           std::abs(a.green - b.green) <= COLOUR_TOLERANCE &&
           std::abs(a.blue - b.blue) <= COLOUR_TOLERANCE;
}
bool white(Rgb c) {
    return c.red > 200 && c.green > 200 && c.blue > 200;
}

enum class Screen { TITLE, STORY, PLAY, MOVE };

class OutsideEnd : public ::testing::Test {
  protected:
    std::unique_ptr<VirtualDisplay> display = std::make_unique<VirtualDisplay>();
    RunDirectory run;
    std::unique_ptr<ChildProcess> game;
    unsigned long window = 0;
    int32_t left = 0, top = 0;

    void SetUp() override {
        // A tick every millisecond: the timer thread wants the turn lock all the time.
        run.write("init.txt", "b 80\np 160\nr 120\nh 70\nt 1\nc 255 255 0\ns 10\n");
    }

    bool await(const std::function<bool()>& condition,
               std::chrono::milliseconds limit = SCREEN_LIMIT) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < deadline && game->running()) {
            if (condition())
                return true;
            std::this_thread::sleep_for(POLL_STEP);
        }
        return false;
    }
    Rgb at(int32_t x, int32_t y) { return display->pixel(left + x, top + y); }

    void xdotool(const std::string& arguments) const {
        const std::string command =
            "DISPLAY=" + display->name() + " xdotool " + arguments + " >/dev/null 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }
    void pointTo(int32_t x, int32_t y) const {
        xdotool("mousemove " + std::to_string(left + x) + " " + std::to_string(top + y));
    }

    // For its first moments the library follows the pointer's motion rather than
    // its place: move until the game draws its pointer (target.bmp, yellow) there.
    bool awaitPointer(int32_t x, int32_t y) {
        bool nudge = false;
        return await([&] {
            pointTo(x + (nudge = !nudge), y);
            return near(at(x + 4, y + 4), POINTER_COLOUR);
        });
    }

    // The menu forgets a press it has not looked at by the end of its frame, and
    // the library's pointer may still jump: point and press again until the
    // screen shows the press was taken.
    bool pressUntil(int32_t x, int32_t y, const std::function<bool()>& taken) {
        for (int32_t attempt = 0; attempt < PRESS_ATTEMPTS; ++attempt) {
            if (!awaitPointer(x, y))
                return false;
            xdotool("mousedown 1");
            const bool seen = await(taken, PRESS_LIMIT);
            xdotool("mouseup 1");
            if (seen)
                return true;
        }
        return false;
    }

    // Any key ends the story page; again until the floor shows.
    bool keyUntil(const std::function<bool()>& taken) {
        for (int32_t attempt = 0; attempt < PRESS_ATTEMPTS; ++attempt) {
            xdotool("key space");
            if (await(taken, PRESS_LIMIT))
                return true;
        }
        return false;
    }

    bool titleShown() { return near(at(40, 40), TITLE_COLOUR) && near(at(600, 440), TITLE_COLOUR); }
    // The prompt centred at the bottom.
    bool storyShown() {
        int32_t whites = 0;
        for (int32_t x = 220; x <= 420; x += 2)
            for (int32_t y = 455; y <= 462; y += 2)
                whites += white(at(x, y));
        return whites > 20;
    }
    bool playShown() { return near(at(WALL_X, WALL_Y), WALL_COLOUR); }

    // Starts the game and brings it to the screen; false when it never got
    // there, with the last screen it did get to in `reached`.
    bool startOn(Screen screen) {
        reached = "nothing";
        game = std::make_unique<ChildProcess>(
            std::vector<std::string>{WINDOWED}, run.path(),
            ChildProcess::Environment{{"DISPLAY", display->name()}, {"HOME", run.path()}},
            run.file("stdout.txt"), run.file("stderr.txt"));
        if (!await([&] { return (window = display->findWindow("Vellmora")) != 0; }))
            return false;
        display->windowOrigin(window, left, top);
        if (!await([&] { return titleShown(); }))
            return false;
        reached = "title";
        if (screen == Screen::TITLE)
            return true;
        if (!pressUntil(START_X, START_Y, [&] { return storyShown(); }))
            return false;
        reached = "story";
        if (screen == Screen::STORY)
            return true;
        if (!keyUntil([&] { return playShown(); }))
            return false;
        reached = "play";
        if (screen == Screen::PLAY)
            return true;
        pointTo(FAR_CELL_X, FAR_CELL_Y);
        xdotool("click 1");
        return game->running();
    }
    std::string reached;

    // The status once the game has ended; fails the test when it hangs.
    int ended() {
        const auto status = game->waitFor(END_LIMIT);
        if (!status) {
            ADD_FAILURE() << "still running";
            return 0;
        }
        const std::string errors = readWholeFile(run.file("stderr.txt"));
        EXPECT_EQ(errors.find("Sanitizer"), std::string::npos) << errors;
        EXPECT_EQ(errors.find("runtime error"), std::string::npos) << errors;
        return *status;
    }
};

const char* name(Screen screen) {
    switch (screen) {
    case Screen::TITLE:
        return "title";
    case Screen::STORY:
        return "story";
    case Screen::PLAY:
        return "play";
    case Screen::MOVE:
        return "move";
    }
    return "?";
}
} // namespace

// The library's own handler shut it down on the signalled thread, which could
// hold the turn lock the timer thread waited for: the window froze.
TEST_F(OutsideEnd, ASignalOnAnyScreenEndsTheProgramByThatSignal) {
    const Screen moments[] = {Screen::TITLE, Screen::STORY, Screen::PLAY, Screen::MOVE,
                              Screen::PLAY,  Screen::MOVE,  Screen::PLAY, Screen::MOVE,
                              Screen::PLAY,  Screen::MOVE,  Screen::PLAY, Screen::MOVE};
    const int signals[] = {SIGTERM, SIGINT, SIGHUP};
    for (size_t i = 0; i < std::size(moments); ++i) {
        const int number = signals[i % std::size(signals)];
        SCOPED_TRACE(std::string(name(moments[i])) + ", signal " + std::to_string(number));
        ASSERT_TRUE(startOn(moments[i])) << "never got there; reached " << reached;
        kill(game->pid(), number);
        EXPECT_EQ(ended(), -number);
        EXPECT_EQ(readWholeFile(run.file("stdout.txt")), "");
    }
}

TEST_F(OutsideEnd, TheDisplayGoingAwayEndsTheProgram) {
    for (bool withSignal : {false, true, false, true, false, true}) {
        SCOPED_TRACE(withSignal ? "with the session's signal" : "alone");
        if (!display)
            display = std::make_unique<VirtualDisplay>();
        ASSERT_TRUE(startOn(Screen::MOVE)) << "never got there; reached " << reached;
        // At a desktop's logout the session's signal comes with it.
        if (withSignal)
            kill(game->pid(), SIGHUP);
        display->loseServer();
        display.reset();
        const int status = ended();
        EXPECT_TRUE(status == 1 || (withSignal && status == -SIGHUP)) << status;
    }
}

TEST_F(OutsideEnd, TheCloseBoxEndsEachScreenAsItsOwnWayOut) {
    for (Screen screen : {Screen::TITLE, Screen::STORY, Screen::MOVE}) {
        SCOPED_TRACE(name(screen));
        ASSERT_TRUE(startOn(screen)) << "never got there; reached " << reached;
        display->pressCloseBox(window);
        EXPECT_EQ(ended(), 0);
        EXPECT_EQ(readWholeFile(run.file("stdout.txt")), "");
    }
}
