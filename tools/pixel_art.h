// Pictures kept as text: a palette legend, then one character per pixel.
//
//   # a comment
//   scale 4                 optional, each pixel becomes a 4 x 4 block
//   color . 255 0 255       the character '.' paints bright pink
//   color k 20 24 20
//   pixels
//   ..kk..
//   .kkkk.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct PixelArt {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> rgb; // 0xRRGGBB, row by row, after scaling
};

constexpr uint32_t TRANSPARENT_PINK = 0xFF00FF;
constexpr int PIXEL_ART_MAX_SIDE = 640;
constexpr int PIXEL_ART_MAX_SCALE = 16;

// False with "line N: reason" in why when the text is not a valid picture.
bool parsePixelArt(const std::string& text, PixelArt& art, std::string& why);
