#include "game_files.h"

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <stdexcept>

#include "support/game_state_snapshot.h"
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
    return sameUnit(a, b);
}
bool operator==(const Medkit& a, const Medkit& b) {
    return sameMedkit(a, b);
}
