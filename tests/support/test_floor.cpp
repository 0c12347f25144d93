#include "support/test_floor.h"

#include <cstring>
#include <stdexcept>

#include "world/cell_table.h"

namespace {
int32_t codeFor(char c) {
    const int32_t code = cellCodeOf(c);
    if (code < 0)
        throw std::invalid_argument(std::string("unknown map character ") + c);
    return code;
}

char charFor(int32_t code) {
    return code >= 0 && code <= CELL_CODE_MAX ? CELL_TABLE[code].mapChar : '?';
}
} // namespace

void buildFloor(std::initializer_list<const char*> rows) {
    releaseFloorArrays();
    mapHeight = static_cast<int32_t>(rows.size());
    mapWidth = mapHeight ? static_cast<int32_t>(std::strlen(*rows.begin())) : 0;
    mapCells.assign(static_cast<size_t>(mapWidth) * mapHeight, CELL_FLOOR);
    occupancy.assign(mapCells.size(), 0);
    int32_t y = 0;
    for (const char* row : rows) {
        if (static_cast<int32_t>(std::strlen(row)) != mapWidth)
            throw std::invalid_argument("rows of different lengths");
        for (int32_t x = 0; x < mapWidth; ++x)
            mapCells[cellIndex(x, y)] = codeFor(row[x]);
        ++y;
    }
    unitCount = squadSize = enemiesLeft = squadOnFloor = medkitCount = 0;
    turnSlot = 0;
    turnState = TURN_NEXT;
    floorNumber = floorCount = 1;
    allFloorsDone = false;
    tickPending = false;
    shotTimer = shotDamage = 0;
    shotTarget = NO_UNIT;
}

int32_t addUnit(int32_t side, int32_t x, int32_t y) {
    Unit u{};
    u.x = x;
    u.y = y;
    u.side = side;
    u.targetIndex = NO_UNIT;
    u.onFloor = true;
    u.speed = u.strength = u.dodge = u.accuracy = u.reservedStat = 7;
    u.health = u.maxHealth = 20;
    u.attackRange = 8;
    u.shortRange = 6;
    u.longRange = 10;
    u.damageMax = 4;
    u.actionPoints = u.speed;
    u.patrolPoints[0][0] = u.patrolPoints[1][0] = x;
    u.patrolPoints[0][1] = u.patrolPoints[1][1] = y;
    units.push_back(u);
    const int32_t index = unitCount++;
    turnOrder.push_back(index);
    if (side == SIDE_SQUAD) {
        ++squadSize;
        ++squadOnFloor;
    } else {
        ++enemiesLeft;
    }
    if (insideMap(x, y))
        occupancy[cellIndex(x, y)] = 1;
    return index;
}

void addMedkit(int32_t x, int32_t y) {
    medkits.push_back(Medkit{x, y, 1});
    medkitCount = static_cast<int32_t>(medkits.size());
    mapCells[cellIndex(x, y)] = CELL_MEDKIT;
}

std::string describeFloor() {
    std::string out;
    for (int32_t y = 0; y < mapHeight; ++y) {
        for (int32_t x = 0; x < mapWidth; ++x) {
            char c = charFor(mapCells[cellIndex(x, y)]);
            for (const Unit& u : units)
                if (u.x == x && u.y == y && u.health > 0 && u.onFloor)
                    c = u.side == SIDE_SQUAD ? 'S' : 'X';
            out += c;
        }
        out += '\n';
    }
    return out;
}
