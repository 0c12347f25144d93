#include "textbook_astar.h"

#include <algorithm>
#include <cstdlib>

namespace {
struct Later {
    template <typename E> bool operator()(const E& a, const E& b) const { return a.f > b.f; }
};
} // namespace

void TextbookAStar::setRows(int32_t rows) {
    side = rows;
    const size_t cells = static_cast<size_t>(side) * side;
    cost.assign(cells, 0);
    cameFrom.assign(cells, -1);
    seenIn.assign(cells, 0);
    doneIn.assign(cells, 0);
}

void TextbookAStar::push(int32_t f, int32_t cell) {
    heap.push_back(Entry{f, cell});
    std::push_heap(heap.begin(), heap.end(), Later{});
}

int32_t TextbookAStar::pop() {
    std::pop_heap(heap.begin(), heap.end(), Later{});
    const int32_t cell = heap.back().cell;
    heap.pop_back();
    return cell;
}

void TextbookAStar::relax(const PathNode& from, int32_t x, int32_t y, int32_t goalX,
                          int32_t goalY) {
    const int32_t cell = y * side + x;
    if (x < 0 || y < 0 || x >= side || y >= side || doneIn[cell] == search)
        return;
    PathNode probe{};
    probe.x = x;
    probe.y = y;
    if (!validFn(&from, &probe, 0, costData))
        return;
    const int32_t g = cost[from.y * side + from.x] + costFn(&from, &probe, 0, costData);
    if (seenIn[cell] == search && g >= cost[cell])
        return;
    seenIn[cell] = search;
    cost[cell] = g;
    cameFrom[cell] = from.y * side + from.x;
    push(g + std::abs(probe.x - goalX) + std::abs(probe.y - goalY), cell);
}

bool TextbookAStar::findPath(int32_t sx, int32_t sy, int32_t gx, int32_t gy) {
    ++search;
    heap.clear();
    reachedCost = -1;
    const int32_t start = sy * side + sx, goal = gy * side + gx;
    seenIn[start] = search;
    cost[start] = 0;
    cameFrom[start] = -1;
    push(std::abs(gx - sx) + std::abs(gy - sy), start);
    while (!heap.empty()) {
        const int32_t cell = pop();
        if (doneIn[cell] == search)
            continue;
        doneIn[cell] = search;
        if (cell == goal) {
            reachedCost = cost[cell];
            return true;
        }
        PathNode from{};
        from.x = cell % side;
        from.y = cell / side;
        for (int32_t dx = -1; dx <= 1; ++dx)
            for (int32_t dy = -1; dy <= 1; ++dy)
                if (dx || dy)
                    relax(from, from.x + dx, from.y + dy, gx, gy);
    }
    return false;
}
