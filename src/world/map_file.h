// The binary map format: width, height, then the cell codes column by column,
// all little-endian signed 32-bit integers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct MapGrid {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<int32_t> cells; // row-major in memory: y * width + x
};

// False with a reason (e.g. "is too short") when the file cannot be read whole.
bool readMapFile(const char* path, MapGrid& grid, std::string& why);
bool writeMapFile(const char* path, const MapGrid& grid);
