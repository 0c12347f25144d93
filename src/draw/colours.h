// The fixed colours of the game's pictures. They are kept as channels because a
// pixel value depends on the colour depth, which is only known once the mode is set.
#pragma once

#include <cstdint>

struct Rgb {
    int32_t r;
    int32_t g;
    int32_t b;
};

constexpr Rgb BLACK{0, 0, 0};
constexpr Rgb WHITE{255, 255, 255};
constexpr Rgb RED{255, 0, 0};
constexpr Rgb GREEN{0, 200, 0};
constexpr Rgb YELLOW{255, 255, 0};
constexpr Rgb DARK_GREY{50, 50, 50};
constexpr Rgb LIGHT_GREY{150, 150, 150};

// The pixel value of a colour in the current colour depth.
int32_t pixelOf(Rgb colour);
