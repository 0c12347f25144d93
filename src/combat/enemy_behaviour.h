// One tick-paced action of the enemy whose turn it is.
#pragma once

#include <cstdint>

struct Unit;
class PathSearch;

int32_t enemyAct(Unit floorUnits[], PathSearch& search, int32_t& slot, bool& fired);
