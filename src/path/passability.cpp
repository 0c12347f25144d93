#include "path/passability.h"

#include "world/cell_occupants.h"
#include "world/cell_table.h"
#include "world/game_state.h"

namespace {
// The unit whose turn it is; null when the turn points outside the arrays.
const Unit* actingUnit() {
    if (turnSlot < 0 || turnSlot >= static_cast<int32_t>(turnOrder.size()))
        return nullptr;
    const int32_t index = turnOrder[turnSlot];
    if (index < 0 || index >= static_cast<int32_t>(units.size()))
        return nullptr;
    return &units[index];
}

// Only a cell open or closed to everybody is decided without the acting unit.
bool actingUnitMayPass(const CellKind& kind) {
    if (kind.squad == SquadPassage::ALWAYS && kind.enemiesPass)
        return true;
    if (kind.squad == SquadPassage::NEVER && !kind.enemiesPass)
        return false;
    const Unit* unit = actingUnit();
    if (!unit)
        return false;
    if (unit->side != SIDE_SQUAD)
        return kind.enemiesPass;
    return kind.squad == SquadPassage::ALWAYS ||
           (kind.squad == SquadPassage::WHILE_UNSEEN && unit->unspotted);
}
} // namespace

int32_t canEnter(const PathNode*, const PathNode* node, int32_t, intptr_t) {
    if (!insideMap(node->x, node->y))
        return 0;
    const int32_t index = cellIndex(node->x, node->y);
    if (heldByAUnit(index))
        return 0;
    return actingUnitMayPass(cellKind(mapCells[index])) ? 1 : 0;
}

int32_t canSeeThrough(const PathNode*, const PathNode* node, int32_t, intptr_t) {
    if (!insideMap(node->x, node->y))
        return 0;
    return cellKind(mapCells[cellIndex(node->x, node->y)]).sightPasses ? 1 : 0;
}

int32_t stepCost(const PathNode*, const PathNode* node, int32_t, intptr_t) {
    return cellKind(mapCells[cellIndex(node->x, node->y)]).stepCost;
}

bool PassabilityInputs::operator==(const PassabilityInputs& other) const {
    return width == other.width && height == other.height && unitActing == other.unitActing &&
           actingSide == other.actingSide && actingUnspotted == other.actingUnspotted &&
           cells == other.cells && occupied == other.occupied;
}

void readPassabilityInputs(PassabilityInputs& into) {
    into.width = mapWidth;
    into.height = mapHeight;
    into.cells.assign(mapCells.begin(), mapCells.end());
    into.occupied.assign(occupancy.begin(), occupancy.end());
    const Unit* unit = actingUnit();
    into.unitActing = unit != nullptr;
    into.actingSide = unit ? unit->side : 0;
    into.actingUnspotted = unit ? unit->unspotted : 0;
}
