// One tick-paced action of the enemy whose turn it is.
#pragma once

#include <cstdint>

struct Unit;
class PathSearch;

int32_t enemyAct(Unit floorUnits[], PathSearch& search, int32_t& slot, bool& fired);
int32_t chooseTarget(Unit floorUnits[], int32_t self, int32_t count);
