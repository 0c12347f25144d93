// Temporary stand-ins for the rules and the drawing that other branches are
// writing; removed as soon as the real code is on main.
#include <allegro.h>

#include <cmath>
#include <deque>
#include <string>

#include "combat/enemy_behaviour.h"
#include "combat/shot.h"
#include "draw/frame.h"
#include "draw/pictures.h"
#include "draw/sprite.h"
#include "path/movement_rules.h"
#include "world/floor_loading.h"
#include "world/game_state.h"
#include "world/random.h"
#include "world/settings.h"
#include "world/turn_order.h"

PathSearch pathSearch;
PathSearch::PathSearch()
    : costFn(nullptr), validFn(nullptr), childNotifyFn(nullptr), listNotifyFn(nullptr), costData(0),
      notifyData(0) {}
PathSearch::~PathSearch() {}
void PathSearch::setRows(int32_t r) {
    rows = r;
}

namespace {
FramePresenter presenter = nullptr;
ShotSoundPlayer soundPlayer = nullptr;
std::string noError;

bool free(int32_t x, int32_t y, const Unit& mover) {
    if (!insideMap(x, y))
        return false;
    const int32_t c = mapCells[cellIndex(x, y)];
    if (c == CELL_WALL)
        return false;
    if (occupancy[cellIndex(x, y)] == 1 && c != CELL_EXIT)
        return false;
    if (c == CELL_WALL2)
        return mover.side == SIDE_SQUAD && mover.unspotted;
    return true;
}

bool clear(int32_t x, int32_t y) {
    if (!insideMap(x, y))
        return false;
    const int32_t c = mapCells[cellIndex(x, y)];
    return c != CELL_WALL && c != CELL_WALL2 && c != CELL_EXIT;
}

// Breadth-first from the goal; the first step is the neighbour nearest to it.
bool firstStep(const Unit& u, Cell goal, Cell& next) {
    std::vector<int32_t> dist(mapCells.size(), -1);
    std::deque<Cell> open;
    if (!free(goal.x, goal.y, u))
        return false;
    dist[cellIndex(goal.x, goal.y)] = 0;
    open.push_back(goal);
    while (!open.empty()) {
        Cell c = open.front();
        open.pop_front();
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int32_t x = c.x + dx, y = c.y + dy;
                if (x == u.x && y == u.y && dist[cellIndex(c.x, c.y)] >= 0) {
                    next = c;
                    return true;
                }
                if (free(x, y, u) && dist[cellIndex(x, y)] < 0) {
                    dist[cellIndex(x, y)] = dist[cellIndex(c.x, c.y)] + 1;
                    open.push_back(Cell{x, y});
                }
            }
    }
    return false;
}
} // namespace

int32_t canEnter(const PathNode*, const PathNode*, int32_t, intptr_t) {
    return 1;
}
int32_t canSeeThrough(const PathNode*, const PathNode*, int32_t, intptr_t) {
    return 1;
}
int32_t stepCost(const PathNode*, const PathNode*, int32_t, intptr_t) {
    return 1;
}

bool sightTest(PathSearch&, Cell from, Cell to) {
    int32_t x = from.x, y = from.y;
    const int32_t dx = std::abs(to.x - x), dy = -std::abs(to.y - y);
    const int32_t sx = x < to.x ? 1 : -1, sy = y < to.y ? 1 : -1;
    int32_t err = dx + dy;
    for (;;) {
        if (!clear(x, y))
            return false;
        if (x == to.x && y == to.y)
            return true;
        const int32_t e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

int32_t stepTowards(Unit& unit, Cell goal, PathSearch&) {
    Cell next{};
    if (!firstStep(unit, goal, next)) {
        if (!(unit.side == SIDE_SQUAD && mapCells[cellIndex(goal.x, goal.y)] == CELL_WALL2))
            unit.actionPoints = 0;
        return STEP_BLOCKED;
    }
    --unit.actionPoints;
    unit.x = next.x;
    unit.y = next.y;
    if (unit.side != SIDE_SQUAD)
        return STEP_MOVED;
    int32_t& cell = mapCells[cellIndex(unit.x, unit.y)];
    if (cell == CELL_MEDKIT) {
        cell = CELL_FLOOR;
        unit.health = std::min(unit.health + 8, unit.maxHealth);
        for (Medkit& m : medkits)
            if (m.x == unit.x && m.y == unit.y) {
                m.active = 0;
                break;
            }
    } else if (cell == CELL_EXIT) {
        if (floorNumber == floorCount)
            return STEP_GAME_COMPLETE;
        unit.onFloor = false;
        --squadOnFloor;
    }
    return STEP_MOVED;
}

int32_t patrolStep(Unit& unit, PathSearch& search) {
    const Cell goal{unit.patrolPoints[unit.patrolLeg][0], unit.patrolPoints[unit.patrolLeg][1]};
    const int32_t r = stepTowards(unit, goal, search);
    if (r == STEP_BLOCKED)
        unit.actionPoints = 0;
    return r;
}

int32_t advanceTurn(int32_t& slot, Unit us[]) {
    for (int32_t n = 0; n < unitCount; ++n) {
        ++slot;
        if (slot >= unitCount) {
            slot = 0;
            return TURN_ROUND_OVER;
        }
        const Unit& u = us[turnOrder[slot]];
        if (u.health > 0 && u.onFloor)
            return TURN_NEXT;
    }
    return TURN_NEXT;
}

void startRound(int32_t count, Unit us[]) {
    for (int32_t i = 0; i < count; ++i)
        us[i].actionPoints = us[i].speed;
}

int32_t enemyAct(Unit us[], PathSearch& search, int32_t& slot, bool& fired) {
    fired = false;
    Unit& e = us[turnOrder[slot]];
    if (e.side == SIDE_SQUAD)
        return TURN_AWAIT_PLAYER;
    if (e.health <= 0)
        return advanceTurn(slot, us);
    if (!tickPending)
        return TURN_NEXT;
    tickPending = false;
    occupancy[cellIndex(e.x, e.y)] = 0;
    if (e.x == e.patrolPoints[e.patrolLeg][0] && e.y == e.patrolPoints[e.patrolLeg][1])
        e.patrolLeg = 1 - e.patrolLeg;
    const int32_t r = patrolStep(e, search);
    occupancy[cellIndex(e.x, e.y)] = 1;
    if (r == STEP_BLOCKED)
        return advanceTurn(slot, us);
    return e.actionPoints > 0 ? TURN_STILL_ACTING : advanceTurn(slot, us);
}

float distance(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    return static_cast<float>(std::sqrt(double((x1 - x0) * (x1 - x0) + (y1 - y0) * (y1 - y0))));
}

void fireShot(Unit& shooter, Unit& target) {
    shotTimer = shotShowTicks;
    shotTarget = static_cast<int32_t>(&target - units.data());
    shotDamage = 0;
    if (soundPlayer && shooter.weaponSound >= 0 && shooter.weaponSound <= 2)
        soundPlayer(shooter.weaponSound);
    gameRand();
    gameRand();
    shotDamage = gameRand() % shooter.damageMax + 1;
    target.health -= shotDamage;
}

void setShotSoundPlayer(ShotSoundPlayer player) {
    soundPlayer = player;
}

bool loadFloor(int32_t n) {
    if (n > floorCount)
        allFloorsDone = true;
    return false;
}
const std::string& floorLoadError() {
    return noError;
}

void drawSprite(BITMAP* picture, BITMAP* target, const Rect* s, const Rect* d) {
    masked_stretch_blit(picture, target, s->x, s->y, s->w, s->h, d->x, d->y, d->w, d->h);
}

void setFramePresenter(FramePresenter p) {
    presenter = p;
}

void drawFrame(int32_t, int32_t) {
    bool fired = false;
    turnState = enemyAct(units.data(), pathSearch, turnSlot, fired);
    if (turnState == TURN_ROUND_OVER)
        startRound(unitCount, units.data());
    if (currentUnit().health < 1 && advanceTurn(turnSlot, units.data()) == TURN_ROUND_OVER)
        startRound(unitCount, units.data());
    clear_bitmap(backBuffer);
    if (presenter)
        presenter(backBuffer);
}
