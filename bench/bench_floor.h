// Floors for timing frames, left the way a floor load leaves them: the search
// configured and the static picture drawn, with the squad's soldier to move.
#pragma once

#include <cstdint>

enum class BenchFloor {
    SMALL,            // 16 x 16, the pointer on a free cell some way off
    LARGE_REACHABLE,  // 120 x 120, the pointer across the map
    LARGE_UNREACHABLE // 120 x 120, the soldier walled in, so the search closes the whole map
};

struct Pointer {
    int32_t x;
    int32_t y;
};

// Returns where the pointer must be to hover the floor's chosen cell.
Pointer setUpFloor(BenchFloor floor);
