// Whether one cell sees another, on the game's search.
#pragma once

#include "world/game_state.h"

class PathSearch;

// Installs canSeeThrough, traces from a to b and puts the previous validFn back.
bool sightTest(PathSearch& search, Cell from, Cell to);
