// What makes a loadable floor fair to play, beyond what the game itself
// refuses: every unit starts on open floor, there is one exit, and every
// soldier of the squad can walk to it.
#pragma once

#include <string>
#include <vector>

#include "world/map_file.h"
#include "world/mission_list.h"

// Empty when the floor is fair; otherwise the reason. Expects a floor that
// the game's own floor checks have accepted.
std::string checkFloorDesign(const FloorPlan& plan, const MapGrid& grid);

// Empty when no floor's squad is larger than the one before it: an extra slot
// would inherit the health of a unit that was an enemy on the earlier floor.
std::string checkSquadSizes(const std::vector<FloorPlan>& floors);

// Empty when the counts make a floor worth playing: a squad the game has
// slots for, and at least one enemy (a floor without any ends as it starts).
std::string checkUnitCounts(const FloorPlan& plan);
