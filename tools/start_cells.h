// The game's start cells of a floor, as the map tool lists them.
#pragma once

#include <cstdint>
#include <vector>

#include "text_floor.h"

std::vector<CellPos> squadStartCells(const FloorPlan& plan, int32_t side);
std::vector<CellPos> enemyStartCells(const FloorPlan& plan, int32_t side);
