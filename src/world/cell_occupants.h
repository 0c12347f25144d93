// Who stands on a cell, as the moves, the press and the cursor all see it.
#pragma once

#include <cstdint>

// A unit holds the cell against every other; the exit is shared by all who reach it.
bool heldByAUnit(int32_t index);

// The living enemy on cell (x, y), or NO_UNIT.
int32_t livingEnemyAt(int32_t x, int32_t y);
