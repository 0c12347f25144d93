#include "draw/solid_fill.h"

#include <allegro.h>
#include <allegro/internal/aintern.h>

#include <algorithm>
#include <cstring>

namespace {
constexpr int32_t ROW_DEPTH = 16;
constexpr size_t WIDE_ROW = 32;
} // namespace

bool pixelRowsWritable(BITMAP* bitmap) {
    return bitmap->clip && is_memory_bitmap(bitmap) && bitmap_color_depth(bitmap) == ROW_DEPTH;
}

void fillBox(BITMAP* bitmap, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t pixel) {
    if (_drawing_mode != DRAW_MODE_SOLID || !pixelRowsWritable(bitmap)) {
        rectfill(bitmap, x1, y1, x2, y2, pixel);
        return;
    }
    const int32_t left = std::max(std::min(x1, x2), bitmap->cl);
    const int32_t right = std::min(std::max(x1, x2), bitmap->cr - 1);
    const int32_t top = std::max(std::min(y1, y2), bitmap->ct);
    const int32_t bottom = std::min(std::max(y1, y2), bitmap->cb - 1);
    // The library keeps the low 16 bits of a wider value.
    const auto value = static_cast<uint16_t>(pixel);
    if (left > right || top > bottom)
        return;
    auto* first = reinterpret_cast<uint16_t*>(bitmap->line[top]) + left;
    const size_t width = static_cast<size_t>(right - left + 1);
    std::fill_n(first, width, value);
    for (int32_t y = top + 1; y <= bottom; ++y) {
        auto* row = reinterpret_cast<uint16_t*>(bitmap->line[y]) + left;
        // A wide row is copied from the first, many pixels a step; a narrow one
        // is quicker written than copied.
        if (width >= WIDE_ROW)
            std::memcpy(row, first, width * sizeof value);
        else
            std::fill_n(row, width, value);
    }
}
