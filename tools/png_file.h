// PNG pictures of 8-bit RGB pixels, through libpng.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct RgbPicture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> rgb; // row by row, three bytes a pixel
};

bool writePng(const std::string& path, const RgbPicture& picture);
// False when the file is missing or no 8-bit RGB PNG.
bool readPng(const std::string& path, RgbPicture& picture);
