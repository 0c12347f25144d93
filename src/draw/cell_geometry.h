// Where the cells of the floor lie on the screen, and which cell the pointer is over.
// Computed wide: with extreme panel or band settings a tile, or the origin of a
// cell, lies beyond what 32 bits hold.
#pragma once

#include <cstdint>

#include "world/settings.h" // the tile size: exactTileWidth, exactTileHeight

int64_t cellLeft(int32_t x);
int64_t cellTop(int32_t y);
// The pixel in the middle of a cell: where a press on the cell is aimed.
int64_t cellCentreX(int32_t x);
int64_t cellCentreY(int32_t y);

// The cell under the pointer.
struct HoveredCell {
    int32_t hoverX;
    int32_t hoverY;
    // False over the panel, the band, and the strips right of and below the last
    // cell that the tile divisions leave over: then hoverX and hoverY name no cell.
    bool onGrid;
};

HoveredCell hoveredCell(int32_t pointerX, int32_t pointerY);
