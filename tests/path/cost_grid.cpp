#include "cost_grid.h"

namespace {
constexpr char REFUSED = '#';
constexpr char PLAIN = '.';

const CostGrid& gridOf(intptr_t data) {
    return *reinterpret_cast<const CostGrid*>(data);
}

int32_t gridValid(const PathNode*, const PathNode* node, int32_t, intptr_t data) {
    ++reinterpret_cast<CostGrid*>(data)->validCalls;
    return gridOf(data).open(node->x, node->y) ? 1 : 0;
}

int32_t gridPrice(const PathNode*, const PathNode* node, int32_t, intptr_t data) {
    return gridOf(data).price(node->x, node->y);
}
} // namespace

bool CostGrid::open(int32_t x, int32_t y) const {
    return x >= 0 && y >= 0 && x < width() && y < height() && rows[y][x] != REFUSED;
}

int32_t CostGrid::price(int32_t x, int32_t y) const {
    const char c = rows[y][x];
    return c == PLAIN ? 1 : c - '0';
}

void useGrid(PathSearch& search, CostGrid& grid) {
    search.validFn = gridValid;
    search.costFn = gridPrice;
    search.costData = reinterpret_cast<intptr_t>(&grid);
    search.setRows(grid.height());
}
