// The one copy of the whole game state for tests, fuzzers and the replay:
// to show that a refused input changed nothing, to start every input from the
// same state, and to fingerprint every tick of a recorded game.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "path/path_search.h"
#include "world/game_state.h"

struct GameStateSnapshot {
    std::vector<int32_t> counters; // sizes, counts, turn, shot, floor, settings, random state
    std::vector<int32_t> mapCells, occupancy, turnOrder;
    std::vector<Unit> units;
    std::vector<Medkit> medkits;
    bool allFloorsDone = false;
    bool tickPending = false;
    PathCallback searchCallbacks[4] = {};
    intptr_t searchData[2] = {};
};

GameStateSnapshot takeGameState();
// Puts every value back; the search is given the snapshot's side length again.
void restoreGameState(const GameStateSnapshot& snapshot);
// Empty when both are the same, else what differs first ("units[2].health").
std::string gameStateDifference(const GameStateSnapshot& before, const GameStateSnapshot& after);

bool sameUnit(const Unit& a, const Unit& b);
bool sameMedkit(const Medkit& a, const Medkit& b);

// A fingerprint of the snapshot's values; the search's callbacks and user
// values are addresses, which differ from run to run, and are left out.
uint64_t digestOf(const GameStateSnapshot& snapshot);
uint64_t gameDigest();
