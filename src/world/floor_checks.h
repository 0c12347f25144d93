// The checks that refuse floor data the game cannot play. One place, used by
// the game when it loads a floor and by the map tool when it builds one.
#pragma once

#include <cstdint>
#include <string>

#include "world/map_file.h"
#include "world/mission_list.h"
#include "world/settings.h"

// Largest side a map may have: with no band at all, a taller map would leave
// tiles under one pixel on the screen. The medkit and patrol-point draws are
// known to reach every cell of maps up to this size.
constexpr int32_t MAP_SIDE_MAX = SCREEN_HEIGHT;

// Empty when the floor can be played; otherwise the reason, phrased to follow
// the file's name ("is 6 wide and 5 high, floors are square").
std::string checkFloor(const FloorPlan& plan, const MapGrid& grid, int32_t panelWidth,
                       int32_t bandHeight);

// True when a map of this size leaves a tile under one pixel with these
// settings (or is wider than MAP_SIDE_MAX); false for a size that is no size.
bool tilesUnderOnePixel(int32_t width, int32_t height, int32_t panelWidth, int32_t bandHeight);

// The part of checkFloor that looks at the map alone.
std::string checkMap(const MapGrid& grid, int32_t panelWidth, int32_t bandHeight);

// A cell as every message names it: "(column 3, row 2)", counted from 0.
std::string cellPosition(int32_t column, int32_t row);
