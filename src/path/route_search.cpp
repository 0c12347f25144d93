#include "path/route_search.h"

#include <algorithm>
#include <utility>
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

// The last question routeSteps answered by a search, and its answer.
struct Question {
    Cell start{-1, -1};
    Cell goal{-1, -1};
    const PathSearch* search = nullptr;
    PathCallback validFn = nullptr;
    PathCallback costFn = nullptr;
    int32_t rows = 0;
    PassabilityInputs world;
};
Question asked;
Question asking;
RouteSteps answer{false, 0};

bool sameQuestion(const Question& a, const Question& b) {
    return a.start.x == b.start.x && a.start.y == b.start.y && a.goal.x == b.goal.x &&
           a.goal.y == b.goal.y && a.search == b.search && a.validFn == b.validFn &&
           a.costFn == b.costFn && a.rows == b.rows && a.world == b.world;
}

// Only the game's own rules, whose inputs the question holds, and no one
// listening for the search that is left out.
bool answerMayBeKept(const PathSearch& search) {
    return search.validFn == canEnter && search.costFn == stepCost && !search.childNotifyFn &&
           !search.listNotifyFn;
}

int32_t stepsOfRoute(const PathSearch& search) {
    int32_t nodes = 0;
    for (const PathNode* node = search.bestNode(); node; node = node->parent)
        ++nodes;
    return nodes - 1; // the start is no step
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

RouteSteps routeSteps(PathSearch& search, Cell start, Cell goal) {
    asking.start = start;
    asking.goal = goal;
    asking.search = &search;
    asking.validFn = search.validFn;
    asking.costFn = search.costFn;
    asking.rows = search.rowCount();
    readPassabilityInputs(asking.world);
    const bool keep = answerMayBeKept(search);
    if (keep && sameQuestion(asking, asked))
        return answer;
    const bool found = findRoute(search, start, goal);
    answer = RouteSteps{found, found ? stepsOfRoute(search) : 0};
    if (keep)
        std::swap(asked, asking);
    else
        asked.search = nullptr; // nothing kept matches again
    return answer;
}
