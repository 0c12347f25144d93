// Where the game puts a floor's units: the squad in column 1 from row 1 down,
// the enemies in the last column from the bottom row up.
#pragma once

#include <cstdint>
#include <vector>

#include "text_floor.h"

std::vector<CellPos> squadStartCells(const FloorPlan& plan);
std::vector<CellPos> enemyStartCells(const FloorPlan& plan, int32_t side);
