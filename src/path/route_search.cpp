#include "path/route_search.h"

#include <algorithm>
#include <vector>

#include "path/passability.h"
#include "path/path_search.h"

namespace {
// Below this many closed cells a search is cheaper than asking the map.
constexpr int32_t STEPS_BEFORE_ASKING = 2048;

// Cells met by a flood carry its number, so a new flood clears nothing.
std::vector<uint32_t> metBy;
uint32_t floodNumber = 0;
std::vector<int32_t> frontier;

bool mayEnter(int32_t x, int32_t y) {
    static PathNode probe{};
    probe.x = x;
    probe.y = y;
    return canEnter(nullptr, &probe, 0, 0) != 0;
}

void startFlood() {
    if (metBy.size() != mapCells.size()) {
        metBy.assign(mapCells.size(), 0);
        floodNumber = 0;
    }
    if (++floodNumber == 0) {
        std::fill(metBy.begin(), metBy.end(), 0);
        floodNumber = 1;
    }
    frontier.clear();
}

// Breadth first over the cells canEnter lets in, eight neighbours each, the
// steps the engine links; the start itself is never asked, as in the engine.
bool floodReaches(Cell start, Cell goal) {
    startFlood();
    const int32_t startIndex = cellIndex(start.x, start.y);
    metBy[startIndex] = floodNumber;
    frontier.push_back(startIndex);
    for (size_t next = 0; next < frontier.size(); ++next) {
        const int32_t x = frontier[next] % mapWidth;
        const int32_t y = frontier[next] / mapWidth;
        for (int32_t dy = -1; dy <= 1; ++dy) {
            for (int32_t dx = -1; dx <= 1; ++dx) {
                const int32_t nx = x + dx;
                const int32_t ny = y + dy;
                if (!insideMap(nx, ny) || metBy[cellIndex(nx, ny)] == floodNumber)
                    continue;
                metBy[cellIndex(nx, ny)] = floodNumber;
                if (!mayEnter(nx, ny))
                    continue;
                if (nx == goal.x && ny == goal.y)
                    return true;
                frontier.push_back(cellIndex(nx, ny));
            }
        }
    }
    return false;
}

// The flood answers for the engine only when nothing else can tell them
// apart: the game's own rule, no one listening, and every cell its own id.
bool floodMayAnswer(const PathSearch& search, Cell start, Cell goal) {
    return search.validFn == canEnter && !search.childNotifyFn && !search.listNotifyFn &&
           search.rowCount() >= mapHeight && insideMap(start.x, start.y) &&
           insideMap(goal.x, goal.y) && mapCells.size() == static_cast<size_t>(mapWidth) * mapHeight;
}
} // namespace

bool findRoute(PathSearch& search, Cell start, Cell goal) {
    search.startSearch(start.x, start.y, goal.x, goal.y);
    int32_t result = SEARCH_RUNNING;
    for (int32_t steps = 0; result == SEARCH_RUNNING; ++steps) {
        if (steps == STEPS_BEFORE_ASKING && floodMayAnswer(search, start, goal) &&
            !floodReaches(start, goal)) {
            search.abandonSearch();
            return false;
        }
        result = search.searchStep();
    }
    return result == SEARCH_FOUND;
}
