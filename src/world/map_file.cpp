#include "world/map_file.h"

#include <cstdio>
#include <utility>

namespace {
constexpr long HEADER_BYTES = 8;
constexpr long CELL_BYTES = 4;

int32_t fromLittleEndian(const unsigned char bytes[4]) {
    const uint32_t value = uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 |
                           uint32_t{bytes[3]} << 24;
    return static_cast<int32_t>(value);
}

void toLittleEndian(int32_t value, unsigned char bytes[4]) {
    const uint32_t bits = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<unsigned char>(bits >> (8 * i));
}

bool readInt(std::FILE* file, int32_t& value) {
    unsigned char bytes[4];
    if (std::fread(bytes, 1, sizeof bytes, file) != sizeof bytes)
        return false;
    value = fromLittleEndian(bytes);
    return true;
}

bool writeInt(std::FILE* file, int32_t value) {
    unsigned char bytes[4];
    toLittleEndian(value, bytes);
    return std::fwrite(bytes, 1, sizeof bytes, file) == sizeof bytes;
}

long fileSize(std::FILE* file) {
    if (std::fseek(file, 0, SEEK_END) != 0)
        return -1;
    const long size = std::ftell(file);
    return std::fseek(file, 0, SEEK_SET) == 0 ? size : -1;
}

std::string sizeText(int32_t width, int32_t height) {
    return std::to_string(width) + " x " + std::to_string(height);
}

// The header is checked against the file's length before anything is
// allocated, so a corrupt size cannot ask for more memory than the file holds.
bool readHeader(std::FILE* file, MapGrid& grid, std::string& why) {
    const long size = fileSize(file);
    if (size < HEADER_BYTES || !readInt(file, grid.width) || !readInt(file, grid.height)) {
        why = "is too short for its header";
        return false;
    }
    if (grid.width <= 0 || grid.height <= 0) {
        why = "has a non-positive size (" + sizeText(grid.width, grid.height) + ")";
        return false;
    }
    const long long cellCount = static_cast<long long>(grid.width) * grid.height;
    if (cellCount > (size - HEADER_BYTES) / CELL_BYTES) {
        why = "is too short for its " + sizeText(grid.width, grid.height) + " cells";
        return false;
    }
    return true;
}

// The file lists the cells column by column; memory holds them row by row.
bool readCells(std::FILE* file, MapGrid& grid) {
    grid.cells.assign(static_cast<size_t>(grid.width) * grid.height, 0);
    for (int32_t x = 0; x < grid.width; ++x)
        for (int32_t y = 0; y < grid.height; ++y)
            if (!readInt(file, grid.cells[static_cast<size_t>(y) * grid.width + x]))
                return false;
    return true;
}
} // namespace

bool readMapFile(const char* path, MapGrid& grid, std::string& why) {
    std::FILE* file = std::fopen(path, "rb");
    if (!file) {
        why = "cannot be opened";
        return false;
    }
    MapGrid read;
    bool ok = readHeader(file, read, why);
    if (ok && !readCells(file, read)) {
        why = "is too short for its " + sizeText(read.width, read.height) + " cells";
        ok = false;
    }
    std::fclose(file);
    if (ok)
        grid = std::move(read);
    return ok;
}

bool writeMapFile(const char* path, const MapGrid& grid) {
    if (grid.width < 0 || grid.height < 0 ||
        grid.cells.size() != static_cast<size_t>(grid.width) * grid.height)
        return false;
    std::FILE* file = std::fopen(path, "wb");
    if (!file)
        return false;
    bool ok = writeInt(file, grid.width) && writeInt(file, grid.height);
    for (int32_t x = 0; ok && x < grid.width; ++x)
        for (int32_t y = 0; ok && y < grid.height; ++y)
            ok = writeInt(file, grid.cells[static_cast<size_t>(y) * grid.width + x]);
    return std::fclose(file) == 0 && ok;
}
