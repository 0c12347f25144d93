// A recorded game over the shipped campaign (the run directory the build
// assembles), replayed tick by tick against the digest of the game state it
// left at every tick when it was recorded. Any change of the rules shows here
// as the first tick that differs.
//
// The recording (recorded_game.txt) is fixed input: the player's commands, one
// held a line, each naming a cell rather than a pixel, so a change of the
// panel or the tiles still presses the same cells. The digests
// (recorded_game.golden) follow the rules; after a change of rules that is
// meant, `make golden` writes them anew from the same input. `make
// record-game` records a new input, which is rarely wanted.
#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "path/movement_rules.h"
#include "shell/new_game.h"
#include "shell/player_commands.h"
#include "shell/turn_loop.h"
#include "support/game_state_snapshot.h"
#include "support/scripted_platform.h"
#include "support/shipped_game.h"
#include "world/floor_loading.h"
#include "world/floor_state.h"
#include "world/game_state.h"
#include "world/random.h"

namespace {
const std::string RECORDING = PROWLGRID_SOURCE_DIR "/tests/replay/recorded_game.txt";
const std::string GOLDEN = PROWLGRID_SOURCE_DIR "/tests/replay/recorded_game.golden";
constexpr int32_t IDLES_PER_TICK = 3;
// The recorder gives up after this many ticks and presses Esc.
constexpr int32_t RECORDING_TICKS_MAX = 6000;

// What the player does for some ticks: nothing (the pointer stays), a left
// press on a cell, a right press where the pointer is, or Esc.
enum class Command { WAIT, PRESS, END_TURN, ESC };

struct Step {
    int32_t ticks;
    Command command;
    int32_t cellX = 0; // a pressed cell
    int32_t cellY = 0;
};

const char* const COMMAND_WORDS[] = {"wait", "press", "end", "esc"};

Command commandNamed(const std::string& word) {
    for (int32_t i = 0; i < 4; ++i)
        if (word == COMMAND_WORDS[i])
            return static_cast<Command>(i);
    throw std::runtime_error("no such command in the recording: " + word);
}

bool wanted(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value && std::string(value) != "0";
}

std::vector<Step> readRecording() {
    std::vector<Step> steps;
    std::ifstream in(RECORDING);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        Step s{};
        std::string word;
        fields >> s.ticks >> word;
        s.command = commandNamed(word);
        if (s.command == Command::PRESS)
            fields >> s.cellX >> s.cellY;
        if (!fields)
            throw std::runtime_error("unreadable line in the recording: " + line);
        steps.push_back(s);
    }
    return steps;
}

// Waiting may as well go on: one line for all its ticks.
std::vector<Step> joined(const std::vector<Step>& steps) {
    std::vector<Step> out;
    for (const Step& s : steps) {
        if (!out.empty() && s.command == Command::WAIT && out.back().command == Command::WAIT)
            out.back().ticks += s.ticks;
        else
            out.push_back(s);
    }
    return out;
}

void writeRecording(const std::vector<Step>& steps) {
    std::ofstream out(RECORDING);
    out << "# A game over the shipped campaign: ticks, then wait, press COLUMN ROW (the left\n"
           "# button on that cell), end (the right button) or esc; one held command a line.\n";
    for (const Step& s : steps) {
        out << s.ticks << ' ' << COMMAND_WORDS[static_cast<int32_t>(s.command)];
        if (s.command == Command::PRESS)
            out << ' ' << s.cellX << ' ' << s.cellY;
        out << '\n';
    }
}

// Plays the commands, each turned into the mouse and keys as it begins: a
// press goes to the middle of its cell with the floor and settings of then.
class Player {
  public:
    explicit Player(ScriptedPlatform& scripted) : play(scripted) {}

    void add(const Step& step) {
        Moment moment = pointerAt(x, y);
        if (step.command == Command::PRESS) {
            x = cellPixelX(step.cellX);
            y = cellPixelY(step.cellY);
            moment = pressAt(x, y);
        } else if (step.command == Command::END_TURN) {
            moment = pressAt(x, y, BUTTON_RIGHT);
        } else if (step.command == Command::ESC) {
            moment = escape();
        }
        play.hold(moment, step.ticks);
        held += step.ticks;
        steps.push_back(step);
    }
    // Whether the last command's ticks have run out.
    bool due() const { return play.ticks() >= held; }

    std::vector<Step> steps;

  private:
    ScriptedPlatform& play;
    int32_t held = 0;
    int32_t x = 0; // where the pointer is
    int32_t y = 0;
};

std::vector<uint64_t> readGolden() {
    std::vector<uint64_t> digests;
    std::ifstream in(GOLDEN);
    std::string line;
    while (std::getline(in, line))
        if (!line.empty() && line[0] != '#')
            digests.push_back(std::strtoull(line.c_str(), nullptr, 16));
    return digests;
}

void writeGolden(const std::vector<uint64_t>& digests) {
    std::FILE* out = std::fopen(GOLDEN.c_str(), "w");
    ASSERT_NE(out, nullptr) << GOLDEN;
    std::fprintf(out, "# The game state's digest after every tick of recorded_game.txt.\n");
    for (uint64_t d : digests)
        std::fprintf(out, "%016" PRIx64 "\n", d);
    std::fclose(out);
}

class RecordedGame : public ShippedPlayTest {
  protected:
    void SetUp() override {
        ShippedPlayTest::SetUp();
        if (HasFatalFailure())
            return;
        // As a new process starts: the generator at its first value.
        setRandomState(1);
        releaseFloorArrays();
        resetForNewGame(1);
        ASSERT_TRUE(loadFloor(floorNumber)) << floorLoadError();
    }
};

// The recorder's player: shoot the first guard in sight, else walk for the
// exit, and end the turn when a command moved nothing.
class Recorder {
  public:
    explicit Recorder(Player& playing) : player(playing) {}

    // Called after every tick; the next command is added as the last one ends,
    // the moment a replay adds it too.
    void onTick() {
        if (!player.due())
            return;
        if (ticksPlayed() >= RECORDING_TICKS_MAX) {
            if (player.steps.back().command != Command::ESC)
                player.add(Step{1, Command::ESC});
            return;
        }
        if (!playerToCommand()) {
            player.add(Step{1, Command::WAIT});
            return;
        }
        const Unit& soldier = currentUnit();
        const bool stuck =
            soldier.x == commandX && soldier.y == commandY && soldier.actionPoints == commandPoints;
        commandX = soldier.x;
        commandY = soldier.y;
        commandPoints = soldier.actionPoints;
        if (stuck) {
            player.add(Step{1, Command::END_TURN});
        } else {
            const Cell target = commandCell(soldier);
            player.add(Step{1, Command::PRESS, target.x, target.y});
        }
        player.add(Step{1, Command::WAIT});
    }

    std::function<int32_t()> ticksPlayed;

  private:
    Player& player;
    int32_t commandX = -1;
    int32_t commandY = -1;
    int32_t commandPoints = -1;

    static bool playerToCommand() {
        return !units.empty() && playerMayCommand() && currentUnit().side == SIDE_SQUAD &&
               currentUnit().health > 0;
    }

    static Cell commandCell(const Unit& soldier) {
        for (const Unit& u : units)
            if (u.side == SIDE_ENEMY && u.health > 0 &&
                sightTest(pathSearch, Cell{soldier.x, soldier.y}, Cell{u.x, u.y}))
                return Cell{u.x, u.y};
        const int32_t exit = exitIndex(mapCells);
        return exit >= 0 ? Cell{exit % mapWidth, exit / mapWidth} : Cell{soldier.x, soldier.y};
    }
};
} // namespace

TEST_F(RecordedGame, ReplaysTickForTickAsRecorded) {
    const std::vector<Step> steps = readRecording();
    ASSERT_FALSE(steps.empty()) << "no recording at " << RECORDING;
    ScriptedPlatform play(IDLES_PER_TICK);
    Player player(play);
    size_t next = 0;
    player.add(steps[next++]);
    play.onTick = [&] {
        if (player.due() && next < steps.size())
            player.add(steps[next++]);
    };
    runTurnLoop();
    if (wanted("PROWLGRID_WRITE_GOLDEN")) {
        writeGolden(play.trace());
        std::printf("wrote %zu digests to %s\n", play.trace().size(), GOLDEN.c_str());
        return;
    }
    const std::vector<uint64_t> golden = readGolden();
    ASSERT_FALSE(golden.empty()) << "no digests at " << GOLDEN << "; `make golden` writes them";
    const std::vector<uint64_t>& trace = play.trace();
    const size_t common = std::min(golden.size(), trace.size());
    for (size_t i = 0; i < common; ++i)
        ASSERT_EQ(trace[i], golden[i]) << "the game went another way at tick " << i + 1
                                       << " (floor " << floorNumber << " now)";
    EXPECT_EQ(trace.size(), golden.size()) << "the game lasted another number of ticks";
}

// Run by `make record-game` only: plays a new game and writes its input and digests.
TEST_F(RecordedGame, DISABLED_RecordANewGame) {
    ScriptedPlatform play(IDLES_PER_TICK);
    Player player(play);
    Recorder recorder(player);
    recorder.ticksPlayed = [&play] { return play.ticks(); };
    player.add(Step{1, Command::WAIT});
    play.onTick = [&recorder] { recorder.onTick(); };
    runTurnLoop();
    writeRecording(joined(player.steps));
    writeGolden(play.trace());
    std::printf("recorded %d ticks, up to floor %d (%s)\n", play.ticks(), floorNumber,
                turnLoopEnd() == TurnLoopEnd::COMPLETED ? "completed" : "not completed");
}
