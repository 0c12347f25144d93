#include "world/cell_occupants.h"

#include "world/game_state.h"

bool heldByAUnit(int32_t index) {
    return occupancy[index] == 1 && mapCells[index] != CELL_EXIT;
}

int32_t livingEnemyAt(int32_t x, int32_t y) {
    for (int32_t i = 0; i < unitCount; ++i) {
        const Unit& u = units[i];
        if (u.side != SIDE_SQUAD && u.health > 0 && u.x == x && u.y == y)
            return i;
    }
    return NO_UNIT;
}
