// Floors for timing frames, left the way a floor load leaves them: the search
// configured and the static picture drawn, with the squad's soldier to move.
#pragma once

#include <cstdint>

enum class BenchFloor {
    SMALL,             // 16 x 16, the pointer on a free cell some way off
    LARGE_REACHABLE,   // 120 x 120, the pointer across the map
    LARGE_UNREACHABLE, // 120 x 120, the soldier walled in, so the search closes the whole map
    // 480 x 480, the largest map, walled in likewise; no band under it, so its
    // tiles are a pixel high and the pointer finds cells
    HUGE_UNREACHABLE
};

struct Pointer {
    int32_t x;
    int32_t y;
};

// Returns where the pointer must be to hover the floor's chosen cell.
Pointer setUpFloor(BenchFloor floor);

// The floor's soldier and its enemy, in the order they were added.
constexpr int32_t BENCH_SOLDIER = 0;
constexpr int32_t BENCH_ENEMY = 1;
