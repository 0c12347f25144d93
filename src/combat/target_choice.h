// Which squad soldier an alerted enemy goes after, by its targetPreference.
#pragma once

#include <cstdint>

struct Unit;

// Stores the choice in the chooser's targetIndex and returns it; NO_UNIT when
// nobody qualifies.
int32_t chooseTarget(Unit floorUnits[], int32_t self, int32_t count);
