#include "game_files.h"

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <tuple>

#include "world/random.h"
#include "world/settings.h"

namespace {
int32_t codeFor(char c) {
    switch (c) {
    case '.':
        return CELL_FLOOR;
    case 'c':
        return CELL_WALL2;
    case '#':
        return CELL_WALL;
    case 'E':
        return CELL_EXIT;
    case '+':
        return CELL_MEDKIT;
    }
    throw std::invalid_argument(std::string("unknown map character ") + c);
}

auto fieldsOf(const Unit& u) {
    return std::tie(u.x, u.y, u.side, u.actionPoints, u.targetIndex, u.patrolLeg, u.alerted,
                    u.patrolPoints[0][0], u.patrolPoints[0][1], u.patrolPoints[1][0],
                    u.patrolPoints[1][1], u.lastSeenX, u.lastSeenY, u.reservedFlag, u.unspotted,
                    u.onFloor, u.reservedWord, u.speed, u.strength, u.dodge, u.accuracy,
                    u.reservedStat, u.health, u.maxHealth, u.attackRange, u.targetPreference,
                    u.shortRange, u.longRange, u.damageMax, u.weaponSound);
}
} // namespace

MapGrid gridOf(std::initializer_list<const char*> rows) {
    MapGrid grid;
    grid.height = static_cast<int32_t>(rows.size());
    grid.width = grid.height ? static_cast<int32_t>(std::strlen(*rows.begin())) : 0;
    for (const char* row : rows)
        for (int32_t x = 0; x < grid.width; ++x)
            grid.cells.push_back(codeFor(row[x]));
    return grid;
}

int32_t cellOf(const MapGrid& grid, int32_t x, int32_t y) {
    return grid.cells[static_cast<size_t>(y) * grid.width + x];
}

void writeRawInts(const std::string& path, const std::vector<int32_t>& values) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr) << path;
    for (int32_t value : values) {
        const uint32_t bits = static_cast<uint32_t>(value);
        const unsigned char bytes[4] = {
            static_cast<unsigned char>(bits), static_cast<unsigned char>(bits >> 8),
            static_cast<unsigned char>(bits >> 16), static_cast<unsigned char>(bits >> 24)};
        std::fwrite(bytes, 1, 4, file);
    }
    std::fclose(file);
}

void writeRawMap(const std::string& path, const MapGrid& grid) {
    std::vector<int32_t> values{grid.width, grid.height};
    for (int32_t x = 0; x < grid.width; ++x)
        for (int32_t y = 0; y < grid.height; ++y)
            values.push_back(cellOf(grid, x, y));
    writeRawInts(path, values);
}

void writeText(const std::string& path, const std::string& text) {
    std::FILE* file = std::fopen(path.c_str(), "w");
    ASSERT_NE(file, nullptr) << path;
    std::fputs(text.c_str(), file);
    std::fclose(file);
}

std::string missionText(const std::vector<FloorRecord>& floors) {
    std::string text = std::to_string(floors.size()) + "\n";
    for (const FloorRecord& f : floors)
        text += "Map " + f.mapPath + "\nUnits " + std::to_string(f.unitCount) + "\nSquad " +
                std::to_string(f.squadSize) + "\nMedkits " + std::to_string(f.medkitCount) + "\n";
    return text;
}

void writeMissionList(const std::vector<FloorRecord>& floors) {
    writeText(".//Data//Missions//Mission.dat", missionText(floors));
}

void resetWorld() {
    releaseFloorArrays();
    mapWidth = mapHeight = 0;
    unitCount = turnSlot = squadSize = enemiesLeft = squadOnFloor = 0;
    floorNumber = 1;
    floorCount = 0;
    allFloorsDone = false;
    turnState = TURN_NEXT;
    shotTimer = shotDamage = 0;
    shotTarget = NO_UNIT;
    medkitCount = 0;
}

void GameFilesTest::SetUp() {
    char cwd[PATH_MAX];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    previousDirectory = cwd;
    char pattern[] = "/tmp/prowlgrid-world-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    scratchDirectory = pattern;
    ASSERT_EQ(chdir(pattern), 0);
    std::filesystem::create_directories("Data/Missions");
    previousPanelWidth = panelWidth;
    previousBandHeight = bandHeight;
    panelWidth = 160;
    bandHeight = 32;
    resetWorld();
    setRandomState(1);
}

void GameFilesTest::TearDown() {
    panelWidth = previousPanelWidth;
    bandHeight = previousBandHeight;
    resetWorld();
    if (!previousDirectory.empty()) {
        EXPECT_EQ(chdir(previousDirectory.c_str()), 0);
    }
    if (!scratchDirectory.empty())
        std::filesystem::remove_all(scratchDirectory);
}

bool operator==(const Unit& a, const Unit& b) {
    return fieldsOf(a) == fieldsOf(b);
}
bool operator==(const Medkit& a, const Medkit& b) {
    return a.x == b.x && a.y == b.y && a.active == b.active;
}

WorldSnapshot takeSnapshot() {
    const std::vector<int32_t> counters{mapWidth,
                                        mapHeight,
                                        unitCount,
                                        turnSlot,
                                        squadSize,
                                        enemiesLeft,
                                        squadOnFloor,
                                        floorNumber,
                                        floorCount,
                                        shotTimer,
                                        shotTarget,
                                        medkitCount,
                                        static_cast<int32_t>(randomState())};
    return WorldSnapshot{counters, mapCells, occupancy, turnOrder, units, medkits, allFloorsDone};
}

void expectSameWorld(const WorldSnapshot& before, const WorldSnapshot& after) {
    EXPECT_EQ(before.counters, after.counters);
    EXPECT_EQ(before.mapCells, after.mapCells);
    EXPECT_EQ(before.occupancy, after.occupancy);
    EXPECT_EQ(before.turnOrder, after.turnOrder);
    EXPECT_TRUE(before.units == after.units);
    EXPECT_TRUE(before.medkits == after.medkits);
    EXPECT_EQ(before.allFloorsDone, after.allFloorsDone);
}
