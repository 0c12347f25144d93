// Pixel arithmetic on values from the files is done in 64 bits: a setting or a
// statistic may be any 32-bit value. What reaches the library is brought back
// to 32 bits without changing a pixel that shows.
#pragma once

#include <algorithm>
#include <cstdint>

#include "draw/sprite.h"

// Far beyond the screen on every side, yet far from where the library's own
// arithmetic would overflow: a line, a box or a text held here is clipped to
// the same pixels as at its true place.
constexpr int64_t CANVAS_REACH = int64_t{1} << 24;

inline int32_t onCanvas(int64_t v) {
    return static_cast<int32_t>(std::clamp(v, -CANVAS_REACH, CANVAS_REACH));
}

// A scaled picture cannot be moved without changing what shows, so its
// rectangle is taken only when exact in 32 bits, right and bottom edges too.
bool exactRect(int64_t x, int64_t y, int64_t w, int64_t h, Rect& out);
