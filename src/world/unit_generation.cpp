#include "world/unit_generation.h"

#include "world/game_state.h"
#include "world/random.h"
#include "world/turn_order.h"
#include "world/weapons.h"

namespace {
constexpr int32_t SQUAD_START_COLUMN = 1;
constexpr int32_t STAT_MIN = 5;
constexpr int32_t STAT_SPREAD = 5;
constexpr int32_t ATTACK_RANGE_MIN = 7;
constexpr int32_t TARGET_PREFERENCES = 5;
// A squad soldier rolled this poor a shot is brought up to standard.
constexpr int32_t ACCURACY_BUMP_LIMIT = 5;
constexpr int32_t ACCURACY_BUMP = 2;

int32_t rollStat() {
    return gameRand() % STAT_SPREAD + STAT_MIN;
}

// The draw order is fixed: it is what makes every floor reproducible.
void rollStatistics(Unit& unit) {
    unit.speed = rollStat();
    unit.dodge = rollStat();
    unit.reservedStat = rollStat();
    unit.accuracy = rollStat();
    unit.strength = rollStat();
    unit.attackRange = gameRand() % STAT_SPREAD + ATTACK_RANGE_MIN;
    unit.targetPreference = gameRand() % TARGET_PREFERENCES;
    // Always ENEMY_HEALTH, but the draw belongs to the sequence.
    unit.maxHealth = gameRand() % 1 + ENEMY_HEALTH;
    unit.health = unit.maxHealth;
}

bool mapHasPatrolCell() {
    for (int32_t code : mapCells)
        if (canHoldPatrolPoint(code))
            return true;
    return false;
}

void drawPatrolPoint(int32_t point[2]) {
    int32_t column;
    int32_t row;
    do {
        column = gameRand() % mapWidth;
        row = gameRand() % mapHeight;
    } while (!canHoldPatrolPoint(mapCells[cellIndex(column, row)]));
    point[0] = column;
    point[1] = row;
}

void placeAt(Unit& unit, Cell cell) {
    unit.x = cell.x;
    unit.y = cell.y;
}

void makeSoldier(Unit& unit) {
    unit.side = SIDE_SQUAD;
    arm(unit, SQUAD_WEAPON);
    if (unit.accuracy <= ACCURACY_BUMP_LIMIT)
        unit.accuracy += ACCURACY_BUMP;
    unit.health = unit.maxHealth = SQUAD_HEALTH;
    // Nobody has looked yet when a floor begins, so a soldier may plan a route
    // through cover before taking the first step.
    unit.unspotted = true;
}

void makeEnemy(Unit& unit, bool patrolCellExists) {
    unit.side = SIDE_ENEMY;
    arm(unit, ENEMY_WEAPON);
    for (int32_t leg = 0; leg < 2; ++leg) {
        if (patrolCellExists) {
            drawPatrolPoint(unit.patrolPoints[leg]);
        } else {
            // Floor loading refuses such maps; without a cell to draw, the
            // guard stays where it stands rather than searching forever.
            unit.patrolPoints[leg][0] = unit.x;
            unit.patrolPoints[leg][1] = unit.y;
        }
    }
}
} // namespace

Cell startCell(int32_t index, int32_t squadCount, int32_t sideLength) {
    if (index < squadCount)
        return Cell{SQUAD_START_COLUMN, index + 1};
    return Cell{sideLength - 1, sideLength - 1 - (index - squadCount)};
}

bool canHoldPatrolPoint(int32_t code) {
    return code != CELL_WALL && code != CELL_EXIT;
}

void generateUnits(int32_t count, Unit floorUnits[], int32_t squadCount, int32_t sideLength) {
    shotTimer = 0;
    const bool patrolCellExists = mapWidth > 0 && mapHeight > 0 && mapHasPatrolCell();
    for (int32_t i = 0; i < count; ++i) {
        Unit& unit = floorUnits[i];
        unit = Unit{};
        rollStatistics(unit);
        placeAt(unit, startCell(i, squadCount, sideLength));
        if (i < squadCount)
            makeSoldier(unit);
        else
            makeEnemy(unit, patrolCellExists);
        turnOrder[i] = i;
        unit.targetIndex = NO_UNIT;
        unit.alerted = 0;
        unit.onFloor = true;
        unit.patrolLeg = 0;
    }
    startRound(count, floorUnits);
}
