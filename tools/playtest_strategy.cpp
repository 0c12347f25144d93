#include "playtest_strategy.h"

#include <algorithm>
#include <deque>

#include "combat/shot.h"
#include "path/path_search.h"
#include "path/sight_test.h"
#include "world/cell_table.h"
#include "world/floor_state.h"
#include "world/game_state.h"

namespace {
// How far a runner may stray from the straight way in one press.
constexpr int32_t DETOUR_REACH = 3;
constexpr int32_t CELL_TRIES = 32;

const Cell NEIGHBOURS[] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0},
                           {1, 0},   {-1, 1}, {0, 1},  {1, 1}};

bool open(int32_t x, int32_t y) {
    if (!insideMap(x, y))
        return false;
    return cellKind(mapCells[cellIndex(x, y)]).squad == SquadPassage::ALWAYS;
}

// A press there moves: no unit holds it, or it is the exit.
bool freeToWalk(Cell c) {
    const int32_t i = cellIndex(c.x, c.y);
    return mapCells[i] != CELL_WALL && (occupancy[i] == 0 || mapCells[i] == CELL_EXIT);
}

Cell exitCell() {
    const int32_t exit = std::max(exitIndex(mapCells), 0);
    return Cell{exit % mapWidth, exit / mapWidth};
}

// A unit on cover stands where the field does not go: count it from the
// best open cell beside it.
int32_t fieldAt(const std::vector<int32_t>& field, Cell c) {
    int32_t v = field[cellIndex(c.x, c.y)];
    if (v >= 0 || open(c.x, c.y))
        return v;
    for (const Cell& n : NEIGHBOURS) {
        const Cell b{c.x + n.x, c.y + n.y};
        if (insideMap(b.x, b.y) && field[cellIndex(b.x, b.y)] >= 0 &&
            (v < 0 || field[cellIndex(b.x, b.y)] + 1 < v))
            v = field[cellIndex(b.x, b.y)] + 1;
    }
    return v;
}

std::vector<int32_t> livingEnemies() {
    std::vector<int32_t> found;
    for (int32_t i = 0; i < unitCount; ++i)
        if (units[i].side != SIDE_SQUAD && units[i].health > 0)
            found.push_back(i);
    return found;
}

bool seesAnyEnemy(Cell from) {
    for (int32_t e : livingEnemies())
        if (sightTest(pathSearch, from, cellOf(units[e])))
            return true;
    return false;
}

// Every runner heads for the exit; the generator picks a random cell on the
// way now and then, so the games differ in who is seen where.
class RunStrategy : public Strategy {
  public:
    using Strategy::Strategy;
    Command choose() override {
        const Unit& soldier = currentUnit();
        const Cell exit = exitCell();
        const std::vector<int32_t> steps = stepsTo({exit});
        const int32_t here = fieldAt(steps, cellOf(soldier));
        std::vector<Cell> closer;
        const int32_t reach = std::min(DETOUR_REACH, std::max(soldier.actionPoints, 1));
        for (int32_t dy = -reach; dy <= reach; ++dy)
            for (int32_t dx = -reach; dx <= reach; ++dx) {
                const Cell c{soldier.x + dx, soldier.y + dy};
                if (insideMap(c.x, c.y) && steps[cellIndex(c.x, c.y)] >= 0 &&
                    steps[cellIndex(c.x, c.y)] < here && freeToWalk(c))
                    closer.push_back(c);
            }
        if (closer.empty() || below(2) == 0)
            return Command{CommandKind::MOVE, exit};
        return Command{CommandKind::MOVE, closer[below(static_cast<int32_t>(closer.size()))]};
    }
};

// Shoots the nearest enemy in sight; else walks towards the nearest living
// enemy and stops where one comes into sight; with nobody to reach, leaves.
class FightStrategy : public Strategy {
  public:
    using Strategy::Strategy;
    Command choose() override {
        const Unit& soldier = currentUnit();
        int32_t target = NO_UNIT;
        if (nearestInSight(soldier, target))
            return Command{CommandKind::ATTACK, cellOf(units[target])};
        Cell goal{};
        if (advance(soldier, goal))
            return Command{CommandKind::MOVE, goal};
        if (fieldAt(stepsTo({exitCell()}), cellOf(soldier)) < 0 || enemyReachable(soldier))
            return Command{CommandKind::END_TURN, Cell{}};
        return Command{CommandKind::MOVE, exitCell()};
    }

  private:
    bool nearestInSight(const Unit& soldier, int32_t& target) {
        float best = 0.0f;
        int32_t ties = 0;
        for (int32_t e : livingEnemies()) {
            const Unit& enemy = units[e];
            if (!sightTest(pathSearch, cellOf(soldier), cellOf(enemy)))
                continue;
            const float d = distance(soldier.x, soldier.y, enemy.x, enemy.y);
            if (target == NO_UNIT || d < best) {
                target = e;
                best = d;
                ties = 1;
            } else if (d == best && below(++ties) == 0) {
                target = e; // an even pick among equals
            }
        }
        return target != NO_UNIT;
    }

    static std::vector<int32_t> enemyField() {
        std::vector<Cell> cells;
        for (int32_t e : livingEnemies())
            cells.push_back(cellOf(units[e]));
        return stepsTo(cells);
    }

    static bool enemyReachable(const Unit& soldier) {
        return !livingEnemies().empty() && fieldAt(enemyField(), cellOf(soldier)) > 0;
    }

    // Downhill on the enemies' field, one random step among the best each
    // time, as far as the points go or until an enemy is in sight.
    bool advance(const Unit& soldier, Cell& goal) {
        if (livingEnemies().empty())
            return false;
        const std::vector<int32_t> field = enemyField();
        Cell at = cellOf(soldier);
        bool moved = false;
        for (int32_t step = 0; step < soldier.actionPoints; ++step) {
            const int32_t here = fieldAt(field, at);
            if (here <= 1)
                break; // next to an enemy, or cut off from them all
            std::vector<Cell> down;
            for (const Cell& n : NEIGHBOURS) {
                const Cell c{at.x + n.x, at.y + n.y};
                if (insideMap(c.x, c.y) && field[cellIndex(c.x, c.y)] == here - 1)
                    down.push_back(c);
            }
            at = down[below(static_cast<int32_t>(down.size()))];
            if (freeToWalk(at)) {
                goal = at;
                moved = true;
            }
            if (seesAnyEnemy(at))
                break;
        }
        return moved;
    }
};

// Any command the player could give: a turn ended, a walk to any cell, a shot
// at any enemy in sight.
class RandomStrategy : public Strategy {
  public:
    using Strategy::Strategy;
    Command choose() override {
        const Unit& soldier = currentUnit();
        std::vector<Command> kinds{Command{CommandKind::END_TURN, Cell{}}};
        for (int32_t tries = 0; tries < CELL_TRIES; ++tries) {
            const Cell c{below(mapWidth), below(mapHeight)};
            if (freeToWalk(c) && (c.x != soldier.x || c.y != soldier.y)) {
                kinds.push_back(Command{CommandKind::MOVE, c});
                break;
            }
        }
        std::vector<Cell> inSight;
        for (int32_t e : livingEnemies())
            if (sightTest(pathSearch, cellOf(soldier), cellOf(units[e])))
                inSight.push_back(cellOf(units[e]));
        if (!inSight.empty())
            kinds.push_back(Command{CommandKind::ATTACK,
                                    inSight[below(static_cast<int32_t>(inSight.size()))]});
        return kinds[below(static_cast<int32_t>(kinds.size()))];
    }
};
} // namespace

std::vector<int32_t> stepsTo(const std::vector<Cell>& goals) {
    std::vector<int32_t> steps(static_cast<size_t>(mapWidth) * mapHeight, -1);
    std::deque<Cell> queue;
    for (const Cell& g : goals)
        if (insideMap(g.x, g.y) && steps[cellIndex(g.x, g.y)] < 0) {
            steps[cellIndex(g.x, g.y)] = 0;
            queue.push_back(g);
        }
    while (!queue.empty()) {
        const Cell at = queue.front();
        queue.pop_front();
        for (const Cell& n : NEIGHBOURS) {
            const Cell c{at.x + n.x, at.y + n.y};
            if (open(c.x, c.y) && steps[cellIndex(c.x, c.y)] < 0) {
                steps[cellIndex(c.x, c.y)] = steps[cellIndex(at.x, at.y)] + 1;
                queue.push_back(c);
            }
        }
    }
    return steps;
}

const std::vector<std::string>& strategyNames() {
    static const std::vector<std::string> names{"run", "fight", "random"};
    return names;
}

std::unique_ptr<Strategy> makeStrategy(const std::string& name, uint32_t seed) {
    if (name == "run")
        return std::make_unique<RunStrategy>(seed);
    if (name == "fight")
        return std::make_unique<FightStrategy>(seed);
    if (name == "random")
        return std::make_unique<RandomStrategy>(seed);
    return nullptr;
}
