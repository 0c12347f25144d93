// Square grids for timing searches: an open field, a maze and a field whose
// goal can never be entered, with the callbacks every engine is driven by.
#pragma once

#include <cstdint>
#include <vector>

#include "path/path_node.h"

struct BenchGrid {
    int32_t side = 0;
    std::vector<uint8_t> walls;
    int32_t startX = 0, startY = 0, goalX = 0, goalY = 0;

    bool open(int32_t x, int32_t y) const;
    intptr_t data() const { return reinterpret_cast<intptr_t>(this); }
};

BenchGrid openGrid(int32_t side);
BenchGrid mazeGrid(int32_t side);
BenchGrid unreachableGrid(int32_t side);

int32_t benchValid(const PathNode* parent, const PathNode* node, int32_t code, intptr_t data);
int32_t benchCost(const PathNode* parent, const PathNode* node, int32_t code, intptr_t data);

// Points any engine with the callback fields at the grid.
template <typename Engine> void useBenchGrid(Engine& engine, const BenchGrid& grid) {
    engine.validFn = benchValid;
    engine.costFn = benchCost;
    engine.costData = grid.data();
    engine.setRows(grid.side);
}
