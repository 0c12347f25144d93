// The screens from the title menu to the endgame page as main runs them, and
// the status the program ends with.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "campaign.h"
#include "play_scene.h"
#include "shell/play_game.h"
#include "shell/stop_request.h"
#include "shell/turn_loop.h"

namespace {
constexpr int32_t START_X = 320, START_Y = 336;
// The squad starts at (1, 1); the exit two steps away is the last floor's goal.
// The one enemy is walled in at the bottom right.
const std::vector<std::string> EXIT_NEARBY = {"........", "...E....", "........", "........",
                                              "........", "........", "......##", "......#."};

const std::vector<std::string> OPEN_FLOOR = {"........", "........", "........", "........",
                                             "........", "........", "........", "........"};
constexpr int32_t INSTRUCTIONS_X = 300, INSTRUCTIONS_Y = 360;

void writeText(const char* path, const char* text) {
    std::ofstream(path) << text;
}

class Screens : public PlayScene {
  protected:
    void SetUp() override {
        PlayScene::SetUp();
        clearStopRequests();
    }
    void TearDown() override { clearStopRequests(); }

    // Start, a key on the story page, then presses on the goal until Esc.
    static void startAndWalkToTheGoal(ScriptedPlatform& play) {
        play.hold(pressAt(START_X, START_Y), 1).hold(pointerAt(0, 0), 2).hold(keyStroke(), 1);
        for (int32_t i = 0; i < 20; ++i)
            play.hold(pressAtCell(3, 1), 1).hold(pointerAtCell(3, 1), 2);
        play.hold(keyStroke(), 3).hold(escape());
    }

    static void startThenStory(ScriptedPlatform& play) {
        play.hold(pressAt(START_X, START_Y), 1).hold(pointerAt(0, 0), 2).hold(keyStroke(), 1);
    }
    // The soldier at (1, 1) is sent three cells away, off the goal's row.
    static void startAndMove(ScriptedPlatform& play) {
        startThenStory(play);
        play.hold(pressAtCell(4, 3), 1).hold(pointerAtCell(4, 3));
    }
    // Asks for the end when the soldier has taken the first step of a move.
    static void askAtFirstStep(ScriptedPlatform& play, void (*ask)()) {
        play.onTick = [ask] {
            if (units[0].x != 1 || units[0].y != 1)
                ask();
        };
    }
    // Counts the transition's frames and asks for the end at the first.
    void askAtTransition(ScriptedPlatform& play, void (*ask)()) {
        play.onPresent = [this, ask](BITMAP* frame) {
            if (showsTransition(frame) && transitionFrames++ == 0)
                ask();
        };
    }
    int32_t transitionFrames = 0;

    // playGame's status, with what it printed on standard output and error.
    int runGame() {
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        int status = -1;
        try {
            status = playGame();
        } catch (const ScriptRanOut&) {
            // the captures must end before gtest reports
        }
        out = testing::internal::GetCapturedStdout();
        err = testing::internal::GetCapturedStderr();
        return status;
    }
    std::string out, err;
};

std::string missingLine(const char* path) {
    return std::string("vellmora: ") + path +
           " is missing or unreadable; the game reads its data from the working directory (" +
           std::filesystem::current_path().string() + ")\n";
}
} // namespace

TEST_F(Screens, AMissingTextPageKeepsItsLineAndAddsTheCauseWithStatusOne) {
    Campaign campaign({FloorFile{EXIT_NEARBY, 2, 1}});
    {
        ASSERT_TRUE(Campaign::start());
        ScriptedPlatform script;
        startAndWalkToTheGoal(script);
        EXPECT_EQ(runGame(), EXIT_FAILED);
        EXPECT_EQ(out, "Error loading story\n");
        EXPECT_EQ(err, missingLine(".//story.txt"));
    }
    writeText("story.txt", "Once.\n");
    {
        ASSERT_TRUE(Campaign::start());
        ScriptedPlatform script;
        startAndWalkToTheGoal(script);
        EXPECT_EQ(runGame(), EXIT_FAILED);
        EXPECT_EQ(turnLoopEnd(), TurnLoopEnd::COMPLETED);
        EXPECT_EQ(out, "Error loading endgame\n");
        EXPECT_EQ(err, missingLine(".//endgame.txt"));
    }
    writeText("endgame.txt", "The end.\n");
    {
        ASSERT_TRUE(Campaign::start());
        ScriptedPlatform script;
        startAndWalkToTheGoal(script);
        EXPECT_EQ(runGame(), EXIT_PLAYED);
        EXPECT_EQ(out + err, "");
    }
}

namespace {
void closeBox() {
    requestClose();
}
void terminate() {
    requestStopBySignal(15);
}
} // namespace

TEST_F(Screens, TheCloseBoxEndsEachScreenAsItsOwnWayOut) {
    // Title and instructions: like the quit button, before the story page is read.
    Campaign campaign({FloorFile{EXIT_NEARBY, 2, 1}});
    for (bool instructions : {false, true}) {
        clearStopRequests();
        ASSERT_TRUE(Campaign::start());
        ScriptedPlatform play;
        if (instructions)
            play.hold(pressAt(INSTRUCTIONS_X, INSTRUCTIONS_Y), 1);
        play.hold(pointerAt(0, 0), 3);
        play.onTick = [&play] {
            if (play.ticks() == 3)
                requestClose();
        };
        EXPECT_EQ(runGame(), EXIT_PLAYED);
        EXPECT_EQ(out + err, "") << "the story page was asked for";
    }
    writeText("story.txt", "Once.\n");
    // The story page: like the end of the program, no floor is played.
    {
        clearStopRequests();
        ASSERT_TRUE(Campaign::start());
        ScriptedPlatform play;
        play.hold(pressAt(START_X, START_Y), 1).hold(pointerAt(0, 0), 5);
        play.onTick = [&play] {
            if (play.ticks() == 4)
                requestClose();
        };
        EXPECT_EQ(runGame(), EXIT_PLAYED);
        EXPECT_EQ(turnState, TURN_NEXT) << "a floor was played";
    }
    // In play: like Esc, once the running move has ended.
    {
        clearStopRequests();
        ASSERT_TRUE(Campaign::start());
        ScriptedPlatform play;
        startAndMove(play);
        askAtFirstStep(play, closeBox);
        EXPECT_EQ(runGame(), EXIT_PLAYED);
        EXPECT_EQ(turnLoopEnd(), TurnLoopEnd::ESCAPED);
        EXPECT_EQ(units[0].x, 4);
        EXPECT_EQ(units[0].y, 3);
    }
    // The endgame page: like the end of the program, without a key.
    writeText("endgame.txt", "The end.\n");
    {
        clearStopRequests();
        ASSERT_TRUE(Campaign::start());
        ScriptedPlatform play;
        startThenStory(play);
        play.hold(pressAtCell(3, 1), 1).hold(pointerAtCell(3, 1));
        play.onTick = [] {
            if (units[0].x == 3 && units[0].y == 1)
                requestClose();
        };
        EXPECT_EQ(runGame(), EXIT_PLAYED);
        EXPECT_EQ(turnLoopEnd(), TurnLoopEnd::COMPLETED);
        EXPECT_EQ(out + err, "");
    }
}

TEST_F(Screens, TheCloseBoxLetsARunningTransitionEndAsEscDoes) {
    Campaign campaign({FloorFile{OPEN_FLOOR, 1, 1}, FloorFile{OPEN_FLOOR, 1, 1},
                       FloorFile{OPEN_FLOOR, 1, 1}});
    writeText("story.txt", "Once.\n");
    ASSERT_TRUE(Campaign::start());
    ScriptedPlatform play;
    startThenStory(play);
    play.hold(pointerAt(0, 0));
    askAtTransition(play, closeBox);
    EXPECT_EQ(runGame(), EXIT_PLAYED);
    EXPECT_EQ(turnLoopEnd(), TurnLoopEnd::ESCAPED);
    EXPECT_EQ(floorNumber, 2);
    EXPECT_GE(transitionFrames, 101);
}

TEST_F(Screens, ASignalEndsEveryScreenAtOnceEvenAMoveOrATransition) {
    {
        SCOPED_TRACE("title, story");
        Campaign campaign({FloorFile{EXIT_NEARBY, 2, 1}});
        writeText("story.txt", "Once.\n");
        for (int32_t at : {1, 5}) {
            clearStopRequests();
            ASSERT_TRUE(Campaign::start());
            ScriptedPlatform play;
            play.hold(pointerAt(0, 0), 1).hold(pressAt(START_X, START_Y), 1).hold(pointerAt(0, 0));
            play.onTick = [&play, at] {
                if (play.ticks() == at)
                    terminate();
            };
            EXPECT_EQ(runGame(), EXIT_PLAYED);
            EXPECT_EQ(turnState, TURN_NEXT) << "a floor was played";
            EXPECT_EQ(stopSignal(), 15);
        }
    }
    {
        SCOPED_TRACE("a move");
        Campaign campaign({FloorFile{EXIT_NEARBY, 2, 1}});
        writeText("story.txt", "Once.\n");
        clearStopRequests();
        ASSERT_TRUE(Campaign::start());
        ScriptedPlatform play;
        startAndMove(play);
        askAtFirstStep(play, terminate);
        EXPECT_EQ(runGame(), EXIT_PLAYED);
        EXPECT_EQ(turnLoopEnd(), TurnLoopEnd::STOPPED);
        EXPECT_NE(units[0].x, 4) << "the move went on";
    }
    {
        SCOPED_TRACE("the transition");
        Campaign campaign({FloorFile{OPEN_FLOOR, 1, 1}, FloorFile{OPEN_FLOOR, 1, 1}});
        writeText("story.txt", "Once.\n");
        clearStopRequests();
        ASSERT_TRUE(Campaign::start());
        ScriptedPlatform play;
        startThenStory(play);
        play.hold(pointerAt(0, 0));
        askAtTransition(play, terminate);
        EXPECT_EQ(runGame(), EXIT_PLAYED);
        EXPECT_EQ(turnLoopEnd(), TurnLoopEnd::STOPPED);
        EXPECT_EQ(floorNumber, 1);
        EXPECT_EQ(transitionFrames, 1);
    }
}
