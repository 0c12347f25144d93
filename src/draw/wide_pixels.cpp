#include "draw/wide_pixels.h"

#include <limits>

namespace {
bool fits32(int64_t v) {
    return v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<int32_t>::max();
}
} // namespace

bool exactRect(int64_t x, int64_t y, int64_t w, int64_t h, Rect& out) {
    if (!fits32(x) || !fits32(y) || !fits32(w) || !fits32(h) || !fits32(x + w) || !fits32(y + h))
        return false;
    out = Rect{static_cast<int32_t>(x), static_cast<int32_t>(y), static_cast<int32_t>(w),
               static_cast<int32_t>(h)};
    return true;
}
