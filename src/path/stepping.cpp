#include "path/stepping.h"

#include <algorithm>

#include "path/passability.h"
#include "path/path_search.h"
#include "path/route_search.h"
#include "world/game_state.h"

namespace {
constexpr int32_t MEDKIT_HEALING = 8;

bool isCoverCell(Cell cell) {
    return insideMap(cell.x, cell.y) && mapCells[cellIndex(cell.x, cell.y)] == CELL_WALL2;
}

bool onLastFloor() {
    return floorNumber >= floorCount;
}

// The route's first cell after the start, or null when the start is the goal.
const PathNode* firstStep(const PathNode* goal) {
    if (!goal->parent)
        return nullptr;
    const PathNode* node = goal;
    while (node->parent->parent)
        node = node->parent;
    return node;
}

void pickUpMedkit(Unit& unit) {
    mapCells[cellIndex(unit.x, unit.y)] = CELL_FLOOR;
    unit.health = std::min(unit.health + MEDKIT_HEALING, unit.maxHealth);
    for (int32_t i = 0; i < medkitCount; ++i) {
        Medkit& medkit = medkits[i];
        if (medkit.active && medkit.x == unit.x && medkit.y == unit.y) {
            medkit.active = 0;
            return;
        }
    }
}

int32_t arrive(Unit& unit) {
    const int32_t code = mapCells[cellIndex(unit.x, unit.y)];
    if (code == CELL_MEDKIT) {
        pickUpMedkit(unit);
    } else if (code == CELL_EXIT) {
        if (onLastFloor())
            return STEP_GAME_COMPLETE;
        unit.onFloor = false;
        --squadOnFloor;
    }
    return STEP_MOVED;
}

// A unit already on its goal stays put but still spends the point.
int32_t takeFirstStep(Unit& unit, const PathNode* goal) {
    --unit.actionPoints;
    const PathNode* next = firstStep(goal);
    if (!next)
        return STEP_MOVED;
    unit.x = next->x;
    unit.y = next->y;
    return unit.side == SIDE_SQUAD ? arrive(unit) : STEP_MOVED;
}

bool searchFrom(const Unit& unit, Cell goal, PathSearch& search) {
    search.validFn = canEnter;
    return findRoute(search, cellOf(unit), goal);
}
} // namespace

int32_t stepTowards(Unit& unit, Cell goal, PathSearch& search) {
    if (!searchFrom(unit, goal, search)) {
        // A soldier aiming at cover it may not enter yet keeps its turn.
        if (!(unit.side == SIDE_SQUAD && isCoverCell(goal)))
            unit.actionPoints = 0;
        return STEP_BLOCKED;
    }
    return takeFirstStep(unit, search.bestNode());
}

int32_t patrolStep(Unit& unit, PathSearch& search) {
    const int32_t* point = unit.patrolPoints[unit.patrolLeg];
    if (!searchFrom(unit, Cell{point[0], point[1]}, search)) {
        unit.actionPoints = 0;
        return STEP_BLOCKED;
    }
    return takeFirstStep(unit, search.bestNode());
}
