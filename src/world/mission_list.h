// The mission list: floorCount, then per floor the map path and the
// unit, squad and medkit counts, each behind a label word.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "world/game_state.h"

constexpr const char* MISSION_LIST_PATH = ".//Data//Missions//Mission.dat";
constexpr size_t MAP_PATH_LENGTH_MAX = 79;

struct FloorPlan {
    std::string mapPath;
    int32_t unitCount = 0;
    int32_t squadSize = 0; // as listed; playedSquadSize gives the squad that takes the field
    int32_t medkitCount = 0;
};

// A larger squad in the list is cut to the four slots the game has.
inline int32_t playedSquadSize(const FloorPlan& plan) {
    return std::min(plan.squadSize, SQUAD_MAX);
}

// Reads the floor count (into listed) and the records of floors 1 to n. True when the list
// reads well that far; plan then holds floor n's record, or stays as it was
// when the list has fewer than n floors (n > floorCount). False with a reason
// that follows the file's name ("lists no floors") otherwise. Only the syntax
// is checked here: the counts themselves are judged by checkFloor.
bool readMissionList(const char* path, int32_t n, int32_t& listed, FloorPlan& plan,
                     std::string& why);
