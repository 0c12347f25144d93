#include "support/game_invariants.h"

#include <set>

#include "world/game_state.h"

namespace {
std::string at(int32_t x, int32_t y) {
    return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

std::string unitName(size_t i) {
    return "unit " + std::to_string(i);
}

bool isSquad(size_t i) {
    return static_cast<int32_t>(i) < squadSize;
}

std::string checkArrays() {
    const size_t cells = static_cast<size_t>(mapWidth) * mapHeight;
    if (mapWidth <= 0 || mapWidth != mapHeight || mapCells.size() != cells ||
        occupancy.size() != cells)
        return "grids of the wrong size";
    if (static_cast<int32_t>(units.size()) != unitCount ||
        static_cast<int32_t>(turnOrder.size()) != unitCount)
        return "unit tables of the wrong size";
    if (turnSlot < 0 || turnSlot >= unitCount)
        return "turnSlot " + std::to_string(turnSlot) + " of " + std::to_string(unitCount);
    for (int32_t index : turnOrder)
        if (index < 0 || index >= unitCount)
            return "turnOrder names unit " + std::to_string(index);
    return "";
}

std::string checkUnits() {
    int32_t enemiesAlive = 0;
    int32_t squadStanding = 0;
    for (size_t i = 0; i < units.size(); ++i) {
        const Unit& u = units[i];
        if (!insideMap(u.x, u.y))
            return unitName(i) + " off the map at " + at(u.x, u.y);
        if (u.actionPoints < -1)
            return unitName(i) + " has " + std::to_string(u.actionPoints) + " action points";
        const bool living = u.health > 0 && u.onFloor;
        if (living && occupancy[cellIndex(u.x, u.y)] != 1)
            return "occupancy " + std::to_string(occupancy[cellIndex(u.x, u.y)]) +
                   " under living " + unitName(i) + " at " + at(u.x, u.y);
        if (isSquad(i)) {
            squadStanding += living;
            continue;
        }
        enemiesAlive += u.health > 0;
        if (u.alerted && (u.targetIndex < 0 || u.targetIndex >= unitCount))
            return "alerted " + unitName(i) + " has target " + std::to_string(u.targetIndex);
    }
    if (enemiesLeft != enemiesAlive)
        return "enemiesLeft " + std::to_string(enemiesLeft) + " with " +
               std::to_string(enemiesAlive) + " enemies alive";
    if (squadOnFloor != squadStanding)
        return "squadOnFloor " + std::to_string(squadOnFloor) + " with " +
               std::to_string(squadStanding) + " soldiers alive on the floor";
    return "";
}

// Every lying medkit is a CELL_MEDKIT cell and every such cell a lying medkit.
std::string checkMedkits() {
    if (static_cast<int32_t>(medkits.size()) != medkitCount)
        return "medkit table of the wrong size";
    std::set<int32_t> lying;
    for (const Medkit& m : medkits) {
        if (!insideMap(m.x, m.y))
            return "medkit off the map at " + at(m.x, m.y);
        const bool onCell = mapCells[cellIndex(m.x, m.y)] == CELL_MEDKIT;
        if (m.active && !onCell)
            return "lying medkit at " + at(m.x, m.y) + " on a cell not so coded";
        if (m.active && !lying.insert(cellIndex(m.x, m.y)).second)
            return "two medkits at " + at(m.x, m.y);
    }
    for (int32_t y = 0; y < mapHeight; ++y)
        for (int32_t x = 0; x < mapWidth; ++x)
            if (mapCells[cellIndex(x, y)] == CELL_MEDKIT && !lying.count(cellIndex(x, y)))
                return "medkit cell " + at(x, y) + " without a lying medkit";
    return "";
}
} // namespace

std::string brokenInvariant() {
    std::string why = checkArrays();
    if (why.empty())
        why = checkUnits();
    if (why.empty())
        why = checkMedkits();
    return why;
}
