// A recorded game over the shipped campaign (the run directory the build
// assembles), replayed tick by tick against the digest of the game state it
// left at every tick when it was recorded. Any change of the rules shows here
// as the first tick that differs.
//
// The recording (recorded_game.txt) is fixed input: one moment of the pointer
// a line. The digests (recorded_game.golden) follow the rules; after a change
// of rules that is meant, `make golden` writes them anew from the same input.
// `make record-game` records a new input, which is rarely wanted.
#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <fstream>
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
#include "world/game_state.h"
#include "world/random.h"

namespace {
const std::string RECORDING = PROWLGRID_SOURCE_DIR "/tests/replay/recorded_game.txt";
const std::string GOLDEN = PROWLGRID_SOURCE_DIR "/tests/replay/recorded_game.golden";
constexpr int32_t IDLES_PER_TICK = 3;
// The recorder gives up after this many ticks and presses Esc.
constexpr int32_t RECORDING_TICKS_MAX = 6000;

struct Step {
    int32_t ticks;
    Moment moment;
};

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
        int32_t esc = 0;
        fields >> s.ticks >> s.moment.x >> s.moment.y >> s.moment.buttons >> esc;
        if (!fields)
            throw std::runtime_error("unreadable line in the recording: " + line);
        s.moment.esc = esc != 0;
        steps.push_back(s);
    }
    return steps;
}

// A moment with no button down may as well go on: held once for all its ticks.
std::vector<Step> joined(const std::vector<Step>& steps) {
    std::vector<Step> out;
    for (const Step& s : steps) {
        if (!out.empty() && s.moment.buttons == 0 && out.back().moment.buttons == 0 &&
            s.moment.x == out.back().moment.x && s.moment.y == out.back().moment.y &&
            s.moment.esc == out.back().moment.esc)
            out.back().ticks += s.ticks;
        else
            out.push_back(s);
    }
    return out;
}

void writeRecording(const std::vector<Step>& steps) {
    std::ofstream out(RECORDING);
    out << "# A game over the shipped campaign: ticks x y buttons esc, one held moment a line.\n";
    for (const Step& s : steps)
        out << s.ticks << ' ' << s.moment.x << ' ' << s.moment.y << ' ' << s.moment.buttons << ' '
            << (s.moment.esc ? 1 : 0) << '\n';
}

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
    explicit Recorder(ScriptedPlatform& scripted) : play(scripted) {}

    void add(const Moment& moment, int32_t ticks) {
        play.hold(moment, ticks);
        steps.push_back(Step{ticks, moment});
        held += ticks;
    }

    // Called after every tick; the next step is added as the last one ends,
    // so a replay with every step given up front plays the same ticks.
    void onTick() {
        if (play.ticks() < held)
            return;
        if (play.ticks() >= RECORDING_TICKS_MAX) {
            if (!steps.back().moment.esc)
                add(escape(), 1);
            return;
        }
        if (!playerToCommand()) {
            add(pointerAt(lastX, lastY), 1);
            return;
        }
        const Unit& soldier = currentUnit();
        const bool stuck =
            soldier.x == commandX && soldier.y == commandY && soldier.actionPoints == commandPoints;
        commandX = soldier.x;
        commandY = soldier.y;
        commandPoints = soldier.actionPoints;
        if (stuck) {
            add(pressAt(lastX, lastY, BUTTON_RIGHT), 1);
        } else {
            const Cell target = commandCell(soldier);
            lastX = cellPixelX(target.x);
            lastY = cellPixelY(target.y);
            add(pressAt(lastX, lastY), 1);
        }
        add(pointerAt(lastX, lastY), 1);
    }

    std::vector<Step> steps;

  private:
    ScriptedPlatform& play;
    int32_t held = 0;
    int32_t lastX = 0;
    int32_t lastY = 0;
    int32_t commandX = -1;
    int32_t commandY = -1;
    int32_t commandPoints = -1;

    static bool playerToCommand() {
        return !units.empty() && turnState == TURN_AWAIT_PLAYER && shotTimer <= 0 &&
               currentUnit().side == SIDE_SQUAD && currentUnit().health > 0;
    }

    static Cell commandCell(const Unit& soldier) {
        for (const Unit& u : units)
            if (u.side == SIDE_ENEMY && u.health > 0 &&
                sightTest(pathSearch, Cell{soldier.x, soldier.y}, Cell{u.x, u.y}))
                return Cell{u.x, u.y};
        for (int32_t y = 0; y < mapHeight; ++y)
            for (int32_t x = 0; x < mapWidth; ++x)
                if (mapCells[cellIndex(x, y)] == CELL_EXIT)
                    return Cell{x, y};
        return Cell{soldier.x, soldier.y};
    }
};
} // namespace

TEST_F(RecordedGame, ReplaysTickForTickAsRecorded) {
    const std::vector<Step> steps = readRecording();
    ASSERT_FALSE(steps.empty()) << "no recording at " << RECORDING;
    ScriptedPlatform play(IDLES_PER_TICK);
    for (const Step& s : steps)
        play.hold(s.moment, s.ticks);
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
    Recorder recorder(play);
    recorder.add(pointerAt(0, 0), 1);
    play.onTick = [&recorder] { recorder.onTick(); };
    runTurnLoop();
    writeRecording(joined(recorder.steps));
    writeGolden(play.trace());
    std::printf("recorded %d ticks, up to floor %d (%s)\n", play.ticks(), floorNumber,
                turnLoopEnd() == TurnLoopEnd::COMPLETED ? "completed" : "not completed");
}
