// Whole games played by a strategy on the game's own turn loop, headless:
// a platform table presses for the bot, ticks the timer on every idle turn and
// draws nothing to any screen. What happened on each floor is recorded.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "playtest_strategy.h"

enum class FloorOutcome {
    COMPLETED, // the squad left or the enemies died; some soldiers may be lost
    LOST,      // every soldier died
    STALLED,   // still going after the round limit: neither won nor lost
};

struct FloorRecord {
    int32_t floor = 0;
    FloorOutcome outcome = FloorOutcome::STALLED;
    int32_t rounds = 0;
    int32_t soldiersLost = 0;
    int32_t shots = 0; // the squad's
    int32_t hits = 0;
    int32_t killed = 0;
};

struct GameRecord {
    std::vector<FloorRecord> floors; // in playing order, up to the floor that ended the game
    bool completed = false;          // the campaign, or the one floor asked for
};

// Rounds a floor may last before the game counts as stalled there.
constexpr int32_t ROUNDS_PER_FLOOR_MAX = 100;

// Starts the library headless with stand-in pictures and reads init.txt from
// the working directory, which must be a run directory. False with the reason.
bool preparePlaytest(std::string& why);

// A new game as the program starts one: the game's generator back at its
// start value and floor `firstFloor` loaded with a fresh squad. With
// `oneFloor` the game ends with that floor. False with the reason when a
// floor is refused.
bool playGame(Strategy& strategy, int32_t firstFloor, bool oneFloor, GameRecord& game,
              std::string& why);

// Every command the bot gives, on standard error.
void setCommandTrace(bool on);

// "floor 2: completed in 7 rounds, 1 soldier lost, 12 shots, 5 hits, 3 enemies killed"
std::string describeFloor(const FloorRecord& record);
const char* outcomeName(FloorOutcome outcome);
