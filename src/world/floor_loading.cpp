#include "world/floor_loading.h"

#include <algorithm>
#include <vector>

#include "path/passability.h"
#include "path/path_search.h"
#include "world/floor_checks.h"
#include "world/game_state.h"
#include "world/map_file.h"
#include "world/mission_list.h"
#include "world/random.h"
#include "world/settings.h"
#include "world/squad_stats.h"
#include "world/turn_order.h"
#include "world/unit_generation.h"

namespace {
std::string loadError;
MapRedrawHook redrawHook = nullptr;

bool refuse(int32_t n, const std::string& file, const std::string& why) {
    loadError = "Error loading floor " + std::to_string(n) + ": " + file + " " + why;
    return false;
}

// Taken as a floor is left. A floor without a squad leaves what the last
// squad had, and floor 1 starts afresh.
void carrySquadHealth(int32_t n) {
    if (n == 1) {
        carriedHealth.clear();
        return;
    }
    if (squadSize <= 0)
        return;
    const int32_t squad = std::min(squadSize, static_cast<int32_t>(units.size()));
    carriedHealth.clear();
    for (int32_t s = 0; s < squad; ++s)
        carriedHealth.push_back(SquadHealth{units[s].health, units[s].maxHealth});
}

// Only the last squad carries over: a slot beyond it keeps the fresh health
// of a new recruit.
void giveSquadHealth() {
    const int32_t carried = std::min(squadSize, static_cast<int32_t>(carriedHealth.size()));
    for (int32_t s = 0; s < carried; ++s) {
        units[s].health = carriedHealth[s].health;
        units[s].maxHealth = carriedHealth[s].maxHealth;
        if (carriedHealth[s].health <= 0)
            --squadOnFloor;
    }
}

void installMap(MapGrid& grid) {
    mapWidth = grid.width;
    mapHeight = grid.height;
    mapCells = std::move(grid.cells);
    occupancy = std::vector<int32_t>(mapCells.size(), 0);
}

void installCounts(const FloorPlan& plan, int32_t listedFloors) {
    floorCount = listedFloors;
    unitCount = plan.unitCount;
    squadSize = playedSquadSize(plan);
    medkitCount = plan.medkitCount;
    enemiesLeft = unitCount - squadSize;
}

void createUnits() {
    units = std::vector<Unit>(unitCount);
    turnOrder = std::vector<int32_t>(unitCount);
    generateUnits(unitCount, units.data(), squadSize, mapWidth);
    readSquadStats(SQUAD_STATS_PATH, units.data());
    // The first round already runs on the stats file's speed.
    startRound(unitCount, units.data());
}

void markOccupancy() {
    for (const Unit& unit : units)
        occupancy[cellIndex(unit.x, unit.y)] = 1;
}

// Both coordinates are drawn modulo the side length, column first. The
// floor checks guarantee enough floor cells, so every medkit finds one.
void scatterMedkits() {
    medkits = std::vector<Medkit>(medkitCount);
    for (Medkit& medkit : medkits) {
        do {
            medkit.x = gameRand() % mapWidth;
            medkit.y = gameRand() % mapWidth;
            medkit.active = 1;
        } while (mapCells[cellIndex(medkit.x, medkit.y)] != CELL_FLOOR);
        mapCells[cellIndex(medkit.x, medkit.y)] = CELL_MEDKIT;
    }
}

// After loadMap: the health to carry over lies in the units, not the map.
void installFloor(int32_t n, const FloorPlan& plan, int32_t listedFloors) {
    carrySquadHealth(n);
    installCounts(plan, listedFloors);
    createUnits();
    squadOnFloor = squadSize;
    giveSquadHealth();
    sortTurnOrder(units.data());
    turnSlot = 0;
    // The last shot's unit belongs to the floor that is gone.
    shotTarget = NO_UNIT;
    configurePathSearch(pathSearch, mapWidth);
    markOccupancy();
    scatterMedkits();
    if (redrawHook)
        redrawHook();
}
} // namespace

void configurePathSearch(PathSearch& search, int32_t side) {
    search.notifyData = 0;
    search.costData = 0;
    search.listNotifyFn = nullptr;
    search.childNotifyFn = nullptr;
    search.setRows(side);
    search.costFn = stepCost;
    search.validFn = canEnter;
}

// Everything is read and checked before the first change, so a refused floor
// leaves the game state, the random sequence included, as it was.
bool loadFloor(int32_t n) {
    loadError.clear();
    std::string why;
    int32_t listedFloors = 0;
    FloorPlan plan;
    if (!readMissionList(MISSION_LIST_PATH, n, listedFloors, plan, why))
        return refuse(n, MISSION_LIST_PATH, why);
    if (n > listedFloors) {
        allFloorsDone = true;
        return false;
    }
    const auto floorFits = [&plan](const MapGrid& grid) {
        return checkFloor(plan, grid, panelWidth, bandHeight);
    };
    if (!loadMap(plan.mapPath.c_str(), floorFits, why))
        return refuse(n, plan.mapPath, why);
    installFloor(n, plan, listedFloors);
    return true;
}

bool loadMap(const char* path, const MapCheck& check, std::string& why) {
    MapGrid grid;
    if (!readMapFile(path, grid, why))
        return false;
    why = check(grid);
    if (!why.empty())
        return false;
    installMap(grid);
    return true;
}

bool loadMap(const char* path) {
    std::string why;
    const auto mapFits = [](const MapGrid& grid) { return checkMap(grid, panelWidth, bandHeight); };
    return loadMap(path, mapFits, why);
}

const std::string& floorLoadError() {
    return loadError;
}

void setMapRedrawHook(MapRedrawHook hook) {
    redrawHook = hook;
}
