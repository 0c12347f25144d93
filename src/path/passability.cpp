#include "path/passability.h"

#include "world/cell_occupants.h"
#include "world/game_state.h"

namespace {
// Cover opens only to the soldier whose turn it is, and only while no enemy sees it.
bool actingSoldierUnseen() {
    if (turnSlot < 0 || turnSlot >= static_cast<int32_t>(turnOrder.size()))
        return false;
    const int32_t index = turnOrder[turnSlot];
    if (index < 0 || index >= static_cast<int32_t>(units.size()))
        return false;
    const Unit& unit = units[index];
    return unit.side == SIDE_SQUAD && unit.unspotted;
}
} // namespace

int32_t canEnter(const PathNode*, const PathNode* node, int32_t, intptr_t) {
    if (!insideMap(node->x, node->y))
        return 0;
    const int32_t index = cellIndex(node->x, node->y);
    const int32_t code = mapCells[index];
    if (code == CELL_WALL)
        return 0;
    if (heldByAUnit(index))
        return 0;
    if (code == CELL_WALL2)
        return actingSoldierUnseen() ? 1 : 0;
    return 1;
}

int32_t canSeeThrough(const PathNode*, const PathNode* node, int32_t, intptr_t) {
    if (!insideMap(node->x, node->y))
        return 0;
    const int32_t code = mapCells[cellIndex(node->x, node->y)];
    return code == CELL_WALL || code == CELL_WALL2 || code == CELL_EXIT ? 0 : 1;
}

int32_t stepCost(const PathNode*, const PathNode* node, int32_t, intptr_t) {
    return mapCells[cellIndex(node->x, node->y)] + 1;
}
