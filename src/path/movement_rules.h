// The game's rules for the path search: who may enter a cell, what sight may
// cross, what a step costs, and the one-step moves every walking unit uses.
#pragma once

#include <cstdint>

#include "path/path_search.h"
#include "world/game_state.h"

// The one program-wide search object, configured per floor.
extern PathSearch pathSearch;

int32_t canEnter(const PathNode* parent, const PathNode* node, int32_t code, intptr_t userData);
int32_t canSeeThrough(const PathNode* parent, const PathNode* node, int32_t code,
                      intptr_t userData);
int32_t stepCost(const PathNode* parent, const PathNode* node, int32_t code, intptr_t userData);

// Installs canSeeThrough, traces from a to b and puts the previous validFn back.
bool sightTest(PathSearch& search, Cell from, Cell to);

// One step along a fresh route: STEP_MOVED, STEP_BLOCKED or STEP_GAME_COMPLETE.
int32_t stepTowards(Unit& unit, Cell goal, PathSearch& search);
int32_t patrolStep(Unit& unit, PathSearch& search);
