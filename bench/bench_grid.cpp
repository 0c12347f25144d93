#include "bench_grid.h"

#include <utility>

namespace {
const BenchGrid& gridOf(intptr_t data) {
    return *reinterpret_cast<const BenchGrid*>(data);
}

struct Lcg {
    uint32_t state;
    uint32_t below(uint32_t bound) {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % bound;
    }
};

// Depth-first carving between the odd cells; the even rows and columns are
// walls until a passage is cut through them.
void carveMaze(BenchGrid& grid) {
    const int32_t side = grid.side;
    std::vector<std::pair<int32_t, int32_t>> stack{{1, 1}};
    grid.walls[side + 1] = 0;
    Lcg rng{12345};
    static const int32_t STEPS[4][2] = {{2, 0}, {-2, 0}, {0, 2}, {0, -2}};
    while (!stack.empty()) {
        const auto [x, y] = stack.back();
        int32_t choices[4], count = 0;
        for (int32_t d = 0; d < 4; ++d) {
            const int32_t nx = x + STEPS[d][0], ny = y + STEPS[d][1];
            if (nx > 0 && ny > 0 && nx < side - 1 && ny < side - 1 && grid.walls[ny * side + nx])
                choices[count++] = d;
        }
        if (!count) {
            stack.pop_back();
            continue;
        }
        const int32_t d = choices[rng.below(count)];
        const int32_t nx = x + STEPS[d][0], ny = y + STEPS[d][1];
        grid.walls[(y + STEPS[d][1] / 2) * side + x + STEPS[d][0] / 2] = 0;
        grid.walls[ny * side + nx] = 0;
        stack.push_back({nx, ny});
    }
}
} // namespace

bool BenchGrid::open(int32_t x, int32_t y) const {
    return x >= 0 && y >= 0 && x < side && y < side && !walls[y * side + x];
}

BenchGrid openGrid(int32_t side) {
    BenchGrid grid;
    grid.side = side;
    grid.walls.assign(side * side, 0);
    grid.goalX = grid.goalY = side - 1;
    return grid;
}

BenchGrid mazeGrid(int32_t side) {
    BenchGrid grid;
    grid.side = side;
    grid.walls.assign(side * side, 1);
    carveMaze(grid);
    grid.startX = grid.startY = 1;
    // The far odd cell, carved whatever the side's parity.
    grid.goalX = grid.goalY = (side - 2) | 1;
    if (grid.goalX >= side - 1)
        grid.goalX = grid.goalY = grid.goalX - 2;
    return grid;
}

BenchGrid unreachableGrid(int32_t side) {
    BenchGrid grid = openGrid(side);
    grid.walls[side * side - 1] = 1;
    return grid;
}

int32_t benchValid(const PathNode*, const PathNode* node, int32_t, intptr_t data) {
    return gridOf(data).open(node->x, node->y) ? 1 : 0;
}

int32_t benchCost(const PathNode*, const PathNode*, int32_t, intptr_t) {
    return 1;
}
