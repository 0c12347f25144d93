// Filled boxes, pixel for pixel as the library's rectfill draws them, written
// straight into the rows of a 16-bit memory bitmap: the library's own fill
// goes through a call per pixel row, and the side panel fills most of its
// area every frame.
#pragma once

#include <cstdint>

struct BITMAP;

// A 16-bit memory bitmap that clips: its rows may be written as they are.
bool pixelRowsWritable(BITMAP* bitmap);

void fillBox(BITMAP* bitmap, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t pixel);
