// A copy of everything the readers of outside data could change, to show that
// a refused input changed nothing and to start every input from the same state.
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
    PathCallback searchCallbacks[4] = {};
    intptr_t searchData[2] = {};
};

GameStateSnapshot takeGameState();
// Puts every value back; the search is given the snapshot's side length again.
void restoreGameState(const GameStateSnapshot& snapshot);
// Empty when both are the same, else what differs first ("units[2].health").
std::string gameStateDifference(const GameStateSnapshot& before, const GameStateSnapshot& after);

bool sameUnit(const Unit& a, const Unit& b);
