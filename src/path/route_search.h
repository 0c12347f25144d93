// The game's route searches. A long search first asks the map whether its
// goal can be reached at all, so a walled-in goal does not cost a search of
// every cell on the largest maps; the answer is always the engine's own.
#pragma once

#include "world/game_state.h"

class PathSearch;

// search.findPath from start to goal, with the same result, route and best node.
bool findRoute(PathSearch& search, Cell start, Cell goal);

struct RouteSteps {
    bool found;
    int32_t steps; // 0 without a route
};

// findRoute's outcome as the steps of its route. Asked again with the same
// ends, the same search set-up and nothing the rules read changed, it gives
// the last outcome without a search: the preview asks it every frame.
RouteSteps routeSteps(PathSearch& search, Cell start, Cell goal);
