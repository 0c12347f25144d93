// Temporary stand-ins for the path and turn-order code until they land.
#include <deque>
#include <vector>

#include "path/movement_rules.h"
#include "world/game_state.h"
#include "world/turn_order.h"

PathSearch pathSearch;
PathSearch::PathSearch() : costFn(nullptr), validFn(nullptr), childNotifyFn(nullptr),
                           listNotifyFn(nullptr), costData(0), notifyData(0) {}
PathSearch::~PathSearch() {}
void PathSearch::setRows(int32_t r) { rows = r; }

namespace {
bool enterable(int32_t x, int32_t y) {
    if (!insideMap(x, y)) return false;
    const int32_t c = mapCells[cellIndex(x, y)];
    if (c == CELL_WALL) return false;
    if (occupancy[cellIndex(x, y)] == 1 && c != CELL_EXIT) return false;
    if (c == CELL_WALL2) return currentUnit().side == SIDE_SQUAD && currentUnit().unspotted;
    return true;
}
bool seeThrough(int32_t x, int32_t y) {
    if (!insideMap(x, y)) return false;
    const int32_t c = mapCells[cellIndex(x, y)];
    return c != CELL_WALL && c != CELL_WALL2 && c != CELL_EXIT;
}
} // namespace

int32_t canEnter(const PathNode*, const PathNode* n, int32_t, intptr_t) { return enterable(n->x, n->y); }
int32_t canSeeThrough(const PathNode*, const PathNode* n, int32_t, intptr_t) { return seeThrough(n->x, n->y); }
int32_t stepCost(const PathNode*, const PathNode* n, int32_t, intptr_t) { return mapCells[cellIndex(n->x, n->y)] + 1; }

bool sightTest(PathSearch&, Cell a, Cell b) {
    int32_t x = a.x, y = a.y, dx = b.x - a.x, dy = b.y - a.y;
    int32_t sx = dx >= 0 ? 1 : -1, sy = dy >= 0 ? 1 : -1;
    dx *= sx; dy *= sy;
    if (dx > dy) {
        int32_t err = 2 * dy - dx;
        for (int32_t i = 0; i <= dx; ++i) {
            if (!seeThrough(x, y)) return false;
            if (err >= 0) { err -= 2 * dx; y += sy; }
            err += 2 * dy; x += sx;
        }
    } else {
        int32_t err = 2 * dx - dy;
        for (int32_t i = 0; i <= dy; ++i) {
            if (!seeThrough(x, y)) return false;
            if (err >= 0) { err -= 2 * dy; x += sx; }
            err += 2 * dx; y += sy;
        }
    }
    return true;
}

namespace {
int32_t stepTo(Unit& u, Cell goal) {
    std::vector<int32_t> from(mapCells.size(), -2);
    std::deque<int32_t> q;
    from[cellIndex(u.x, u.y)] = -1;
    q.push_back(cellIndex(u.x, u.y));
    const int32_t g = insideMap(goal.x, goal.y) ? cellIndex(goal.x, goal.y) : -1;
    bool found = false;
    while (!q.empty() && !found) {
        const int32_t c = q.front(); q.pop_front();
        for (int32_t dy = -1; dy <= 1; ++dy)
            for (int32_t dx = -1; dx <= 1; ++dx) {
                const int32_t x = c % mapWidth + dx, y = c / mapWidth + dy;
                if ((dx || dy) && enterable(x, y) && from[cellIndex(x, y)] == -2) {
                    from[cellIndex(x, y)] = c;
                    q.push_back(cellIndex(x, y));
                    if (cellIndex(x, y) == g) found = true;
                }
            }
    }
    if (!found) { u.actionPoints = 0; return STEP_BLOCKED; }
    int32_t c = g;
    while (from[c] != cellIndex(u.x, u.y)) c = from[c];
    --u.actionPoints;
    u.x = c % mapWidth; u.y = c / mapWidth;
    return STEP_MOVED;
}
} // namespace

int32_t stepTowards(Unit& u, Cell goal, PathSearch&) { return stepTo(u, goal); }
int32_t patrolStep(Unit& u, PathSearch&) {
    return stepTo(u, Cell{u.patrolPoints[u.patrolLeg][0], u.patrolPoints[u.patrolLeg][1]});
}

int32_t advanceTurn(int32_t& slot, Unit us[]) {
    for (;;) {
        if (++slot >= unitCount) { slot = 0; return TURN_ROUND_OVER; }
        const Unit& u = us[turnOrder[slot]];
        if (u.health > 0 && u.onFloor) return TURN_NEXT;
    }
}
