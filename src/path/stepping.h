// The one-step moves every walking unit uses: a fresh route, its first cell.
#pragma once

#include <cstdint>

#include "world/game_state.h"

class PathSearch;

// One step along a fresh route: STEP_MOVED, STEP_BLOCKED or STEP_GAME_COMPLETE.
int32_t stepTowards(Unit& unit, Cell goal, PathSearch& search);
int32_t patrolStep(Unit& unit, PathSearch& search);
