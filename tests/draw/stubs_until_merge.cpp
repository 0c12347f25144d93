// Stand-ins for the rules still being written on other branches, so the drawing
// can be tested now. Goes as soon as the real code is on main.
#include <cstdlib>
#include <deque>

#include "combat/enemy_behaviour.h"
#include "path/movement_rules.h"
#include "world/floor_loading.h"
#include "world/game_state.h"
#include "world/turn_order.h"

void setMapRedrawHook(MapRedrawHook) {}

int32_t advanceTurn(int32_t& slot, Unit all[]) {
    for (;;) {
        if (++slot >= unitCount) {
            slot = 0;
            return TURN_ROUND_OVER;
        }
        const Unit& u = all[turnOrder[slot]];
        if (u.health > 0 && u.onFloor)
            return TURN_NEXT;
    }
}

void startRound(int32_t count, Unit all[]) {
    for (int32_t i = 0; i < count; ++i)
        all[i].actionPoints = all[i].speed;
}

int32_t enemyAct(Unit all[], PathSearch&, int32_t& slot, bool& fired) {
    fired = false;
    const Unit& e = all[turnOrder[slot]];
    if (e.side == SIDE_SQUAD)
        return TURN_AWAIT_PLAYER;
    if (e.health <= 0)
        return advanceTurn(slot, all);
    return TURN_NEXT; // the tests never raise a tick
}

PathSearch pathSearch;

int32_t canEnter(const PathNode*, const PathNode* node, int32_t, intptr_t) {
    if (!insideMap(node->x, node->y))
        return 0;
    const int32_t code = mapCells[cellIndex(node->x, node->y)];
    if (code == CELL_WALL)
        return 0;
    if (occupancy[cellIndex(node->x, node->y)] == 1 && code != CELL_EXIT)
        return 0;
    if (code == CELL_WALL2)
        return currentUnit().side == SIDE_SQUAD && currentUnit().unspotted;
    return 1;
}

int32_t canSeeThrough(const PathNode*, const PathNode* node, int32_t, intptr_t) {
    if (!insideMap(node->x, node->y))
        return 0;
    const int32_t code = mapCells[cellIndex(node->x, node->y)];
    return code != CELL_WALL && code != CELL_WALL2 && code != CELL_EXIT;
}

int32_t stepCost(const PathNode*, const PathNode* node, int32_t, intptr_t) {
    return mapCells[cellIndex(node->x, node->y)] + 1;
}

bool sightTest(PathSearch& search, Cell from, Cell to) {
    const PathCallback saved = search.validFn;
    search.validFn = canSeeThrough;
    const bool clear = search.traceLine(from.x, from.y, to.x, to.y);
    search.validFn = saved;
    return clear;
}

namespace {
std::deque<PathNode> stubNodes;

PathNode cellNode(int32_t x, int32_t y, PathNode* parent) {
    PathNode n{};
    n.x = x;
    n.y = y;
    n.parent = parent;
    return n;
}
} // namespace

PathSearch::PathSearch()
    : costFn(nullptr), validFn(nullptr), childNotifyFn(nullptr), listNotifyFn(nullptr), costData(0),
      notifyData(0) {}
PathSearch::~PathSearch() = default;
void PathSearch::setRows(int32_t r) {
    rows = r;
}
PathNode* PathSearch::bestNode() const {
    return best;
}

// Breadth first over the eight neighbours: the same routes as the real engine on
// the corridors the tests use.
bool PathSearch::findPath(int32_t sx, int32_t sy, int32_t gx, int32_t gy) {
    stubNodes.clear();
    std::deque<bool> seen(static_cast<size_t>(mapWidth) * mapHeight, false);
    stubNodes.push_back(cellNode(sx, sy, nullptr));
    seen[cellIndex(sx, sy)] = true;
    for (size_t next = 0; next < stubNodes.size(); ++next) {
        PathNode* p = &stubNodes[next];
        if (p->x == gx && p->y == gy) {
            best = p;
            return true;
        }
        for (int32_t dx = -1; dx <= 1; ++dx)
            for (int32_t dy = -1; dy <= 1; ++dy) {
                const PathNode probe = cellNode(p->x + dx, p->y + dy, nullptr);
                if ((dx || dy) && validFn(p, &probe, 0, costData) &&
                    !seen[cellIndex(probe.x, probe.y)]) {
                    seen[cellIndex(probe.x, probe.y)] = true;
                    stubNodes.push_back(cellNode(probe.x, probe.y, p));
                }
            }
    }
    best = nullptr;
    return false;
}

bool PathSearch::traceLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    int32_t dx = x1 - x0, dy = y1 - y0;
    const int32_t sx = dx >= 0 ? 1 : -1, sy = dy >= 0 ? 1 : -1;
    dx = std::abs(dx);
    dy = std::abs(dy);
    PathNode probe = cellNode(x0, y0, nullptr);
    const bool xMajor = dx > dy;
    int32_t err = xMajor ? 2 * dy - dx : 2 * dx - dy;
    for (int32_t i = 0; i <= (xMajor ? dx : dy); ++i) {
        if (!validFn(nullptr, &probe, 0, costData))
            return false;
        if (xMajor) {
            if (err >= 0) {
                err -= 2 * dx;
                probe.y += sy;
            }
            err += 2 * dy;
            probe.x += sx;
        } else {
            if (err >= 0) {
                err -= 2 * dy;
                probe.x += sx;
            }
            err += 2 * dx;
            probe.y += sy;
        }
    }
    return true;
}
