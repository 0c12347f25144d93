// Builds the game state of one floor from the mission list and its map file.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "world/map_file.h"

class PathSearch;

// True when floor n is loaded and playable. Past the last floor it sets
// allFloorsDone and returns false with the current floor left as it was.
bool loadFloor(int32_t n);

// Sets a search up as every floor load leaves pathSearch: the game's step
// cost and passability over a map of this side, and no notifications.
void configurePathSearch(PathSearch& search, int32_t side);

// Reads the map file at path and, when check finds nothing wrong with it (""),
// installs it with a fresh occupancy grid. Nothing changes otherwise, and why
// says what was wrong. loadFloor checks the whole floor against the map here.
using MapCheck = std::function<std::string(const MapGrid&)>;
bool loadMap(const char* path, const MapCheck& check, std::string& why);
// The same with the map's own checks only.
bool loadMap(const char* path);

// The one line that says why the last loadFloor refused its floor, without the
// line feed ("Error loading floor 2: .//Data//Missions//f2.map is not square");
// empty after a load that succeeded or ran past the last floor.
const std::string& floorLoadError();

// Called as the last step of a load to redraw the floor's static picture.
// The presentation installs it; null draws nothing (headless tests).
using MapRedrawHook = void (*)();
void setMapRedrawHook(MapRedrawHook hook);
