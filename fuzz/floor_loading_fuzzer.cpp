// The mission list and a map file from one input, loaded through loadFloor
// from a floor already in play. A refused floor must leave that floor exactly
// as it was and say why in one line; an accepted one must be playable.
//
// Input: floor number, panel width and band height (one byte each), the
// mission list's length (two bytes, little-endian), the mission list, and the
// rest as .//Data//Missions//fuzz.map.
#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <utility>

#include "fuzz_check.h"
#include "support/game_state_snapshot.h"
#include "path/passability.h"
#include "path/path_search.h"
#include "path/sight_test.h"
#include "scratch_directory.h"
#include "world/floor_loading.h"
#include "world/cell_table.h"
#include "world/game_state.h"
#include "world/mission_list.h"
#include "world/settings.h"
#include "world/unit_generation.h"

namespace {
constexpr size_t HEADER_BYTES = 5;
constexpr const char* FUZZ_MAP_PATH = ".//Data//Missions//fuzz.map";
// Search the loaded grid only where it stays quick.
constexpr int32_t SEARCHED_SIDE_MAX = 24;

GameStateSnapshot floorInPlay;

void writeMap(const char* path, int32_t side, int32_t exitX, int32_t exitY) {
    std::string bytes;
    auto put = [&bytes](int32_t value) {
        for (int i = 0; i < 4; ++i)
            bytes += static_cast<char>(static_cast<uint32_t>(value) >> (8 * i));
    };
    put(side);
    put(side);
    for (int32_t x = 0; x < side; ++x)
        for (int32_t y = 0; y < side; ++y)
            put(x == exitX && y == exitY ? CELL_EXIT : (x == 3 && y > 1 ? CELL_WALL2 : CELL_FLOOR));
    writeFile(path, bytes);
}

// Floor 1 of a two-floor game, a few shots into play: a hurt soldier and a
// dead one carry over into whatever floor 2 the input brings.
void startFloorInPlay() {
    enterScratchDirectory();
    writeFile(".//stats.txt", "7 6 8 5 0\n6 7 7 6 1\n8 5 6 7 2\n5 8 9 6 3\n");
    writeMap(".//Data//Missions//base.map", 8, 7, 0);
    writeFile(MISSION_LIST_PATH, "2\nMap .//Data//Missions//base.map Units 6 Squad 3 Medkits 2\n"
                                 "Map .//Data//Missions//base.map Units 5 Squad 4 Medkits 1\n");
    panelWidth = 160;
    bandHeight = 32;
    floorNumber = 1;
    requireThat(loadFloor(1), "the floor in play does not load: " + floorLoadError());
    units[0].health = 5;
    units[1].health = 0;
    units[4].health = -2;
    turnSlot = 2;
    shotTimer = 3;
    shotTarget = 4;
    floorInPlay = takeGameState();
}

void checkRefusal(int32_t n, const GameStateSnapshot& before) {
    const std::string& line = floorLoadError();
    const std::string start = "Error loading floor " + std::to_string(n) + ": ";
    requireThat(line.compare(0, start.size(), start) == 0, "refusal line \"" + line + "\"");
    requireThat(line.size() > start.size(), "refusal without a reason");
    for (char c : line)
        requireThat(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F,
                    "refusal line is not one printable line: \"" + line + "\"");
    const std::string changed = gameStateDifference(before, takeGameState());
    requireThat(changed.empty(),
                "refused floor " + std::to_string(n) + " changed " + changed + " (" + line + ")");
}

void checkPastLastFloor(const GameStateSnapshot& before) {
    requireThat(floorLoadError().empty(), "past the last floor, yet: " + floorLoadError());
    GameStateSnapshot after = takeGameState();
    requireThat(after.allFloorsDone, "allFloorsDone");
    after.allFloorsDone = before.allFloorsDone;
    const std::string changed = gameStateDifference(before, after);
    requireThat(changed.empty(), "past the last floor changed " + changed);
}

void checkUnits() {
    requireThat(static_cast<int32_t>(units.size()) == unitCount, "units.size");
    requireThat(squadSize >= 0 && squadSize <= SQUAD_MAX && squadSize <= unitCount, "squadSize");
    requireThat(enemiesLeft == unitCount - squadSize, "enemiesLeft");
    std::vector<int32_t> order = turnOrder;
    std::sort(order.begin(), order.end());
    for (int32_t i = 0; i < unitCount; ++i)
        requireThat(i < static_cast<int32_t>(order.size()) && order[i] == i,
                    "turnOrder is no order of the units");
    requireThat(turnSlot == 0 && shotTimer == 0 && shotTarget == NO_UNIT, "turn not reset");
    int32_t standing = 0;
    std::set<int32_t> cells;
    for (int32_t i = 0; i < unitCount; ++i) {
        const Unit& u = units[i];
        requireThat(insideMap(u.x, u.y), "unit " + std::to_string(i) + " off the map");
        cells.insert(cellIndex(u.x, u.y));
        requireThat(u.side == (i < squadSize ? SIDE_SQUAD : SIDE_ENEMY), "side");
        if (i < squadSize && u.health > 0)
            ++standing;
        if (i < squadSize)
            continue;
        for (const auto& point : u.patrolPoints) {
            requireThat(insideMap(point[0], point[1]), "patrol point off the map");
            requireThat(canHoldPatrolPoint(mapCells[cellIndex(point[0], point[1])]),
                        "patrol point on a wall or the exit");
        }
    }
    requireThat(squadOnFloor == standing, "squadOnFloor");
    for (size_t c = 0; c < occupancy.size(); ++c)
        requireThat(occupancy[c] == (cells.count(static_cast<int32_t>(c)) ? 1 : 0),
                    "occupancy at " + std::to_string(c));
}

void checkMedkits() {
    requireThat(static_cast<int32_t>(medkits.size()) == medkitCount, "medkits.size");
    std::set<int32_t> cells;
    for (const Medkit& m : medkits) {
        requireThat(m.active == 1 && insideMap(m.x, m.y), "medkit record");
        requireThat(mapCells[cellIndex(m.x, m.y)] == CELL_MEDKIT, "medkit on a cell not so coded");
        requireThat(cells.insert(cellIndex(m.x, m.y)).second, "two medkits on one cell");
    }
}

// Walks the grid once so that a search sized for another floor would show.
void searchTheGrid() {
    if (mapWidth > SEARCHED_SIDE_MAX || unitCount < 1)
        return;
    const Unit& from = units[0];
    const Unit& to = units[unitCount - 1];
    pathSearch.findPath(from.x, from.y, to.x, to.y);
    sightTest(pathSearch, Cell{from.x, from.y}, Cell{to.x, to.y});
}

void checkLoadedFloor() {
    requireThat(floorLoadError().empty(), "a loaded floor with a refusal line");
    requireThat(mapWidth > 0 && mapWidth == mapHeight, "the loaded map is not square");
    const size_t cellCount = static_cast<size_t>(mapWidth) * mapHeight;
    requireThat(mapCells.size() == cellCount && occupancy.size() == cellCount, "grid sizes");
    for (int32_t code : mapCells)
        requireThat(code >= CELL_FLOOR && code <= CELL_CODE_MAX, "unknown code in play");
    requireThat(tileWidth() >= 1 && tileHeight() >= 1, "tiles under one pixel");
    requireThat(pathSearch.costFn == stepCost && pathSearch.validFn == canEnter, "search rules");
    checkUnits();
    checkMedkits();
    searchTheGrid();
}

int32_t signedByte(uint8_t b) {
    return static_cast<int8_t>(b);
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    startFloorInPlay();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < HEADER_BYTES)
        return -1;
    restoreGameState(floorInPlay);
    const int32_t n = data[0] % 6 - 1;
    panelWidth = signedByte(data[1]) * 5;
    bandHeight = signedByte(data[2]) * 4;
    const size_t listLength = std::min<size_t>(data[3] | data[4] << 8, size - HEADER_BYTES);
    const uint8_t* list = data + HEADER_BYTES;
    writeFile(MISSION_LIST_PATH, list, listLength);
    writeFile(FUZZ_MAP_PATH, list + listLength, size - HEADER_BYTES - listLength);

    const GameStateSnapshot before = takeGameState();
    if (loadFloor(n))
        checkLoadedFloor();
    else if (allFloorsDone && !before.allFloorsDone)
        checkPastLastFloor(before);
    else
        checkRefusal(n, before);
    return 0;
}
