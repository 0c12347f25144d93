// One tick-paced action of the enemy whose turn it is.
#pragma once

#include <cstdint>

struct Unit;
class PathSearch;

int32_t enemyAct(Unit units[], PathSearch& search, int32_t& turnSlot, bool& fired);
