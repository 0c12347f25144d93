// Where the cells of the floor lie on the screen, and which cell the pointer is over.
#pragma once

#include <cstdint>

int32_t cellLeft(int32_t x);
int32_t cellTop(int32_t y);

struct PointerCell {
    int32_t x;
    int32_t y;
    // False over the panel, the band, and the strips right of and below the last
    // cell that the tile divisions leave over: then x and y name no cell.
    bool onGrid;
};

PointerCell pointerCell(int32_t pointerX, int32_t pointerY);
