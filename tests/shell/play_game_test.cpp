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

    // playGame's status, with what it printed on standard output and error.
    int play() {
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
    return std::string("prowlgrid: ") + path +
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
        EXPECT_EQ(play(), EXIT_FAILED);
        EXPECT_EQ(out, "Error loading story\n");
        EXPECT_EQ(err, missingLine(".//story.txt"));
    }
    writeText("story.txt", "Once.\n");
    {
        ASSERT_TRUE(Campaign::start());
        ScriptedPlatform script;
        startAndWalkToTheGoal(script);
        EXPECT_EQ(play(), EXIT_FAILED);
        EXPECT_EQ(turnLoopEnd(), TurnLoopEnd::COMPLETED);
        EXPECT_EQ(out, "Error loading endgame\n");
        EXPECT_EQ(err, missingLine(".//endgame.txt"));
    }
    writeText("endgame.txt", "The end.\n");
    {
        ASSERT_TRUE(Campaign::start());
        ScriptedPlatform script;
        startAndWalkToTheGoal(script);
        EXPECT_EQ(play(), EXIT_PLAYED);
        EXPECT_EQ(out + err, "");
    }
}
