// The checks that refuse floor data the game cannot play. One place, used by
// the game when it loads a floor and by the map tool when it builds one.
#pragma once

#include <cstdint>
#include <string>

#include "world/map_file.h"
#include "world/mission_list.h"

// Empty when the floor can be played; otherwise the reason, phrased to follow
// the file's name ("is not square").
std::string checkFloor(const FloorPlan& plan, const MapGrid& grid, int32_t panelWidth,
                       int32_t bandHeight);
