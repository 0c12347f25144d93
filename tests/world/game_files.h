// Scratch data files for floor-loading scenarios. Each fixture runs in a fresh
// temporary directory laid out like the game's (Data/Missions beside
// stats.txt) and goes back to the previous working directory afterwards.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "world/game_state.h"
#include "world/map_file.h"

// The game's generator, written out again so expectations do not come from
// the code under test.
struct TestRandom {
    uint32_t state = 1;
    int32_t next() {
        state = state * 214013u + 2531011u;
        return static_cast<int32_t>((state >> 16) & 0x7FFF);
    }
};

// '.' floor, 'c' cover, '#' wall, 'E' exit, '+' medkit code, rows top to bottom.
MapGrid gridOf(std::initializer_list<const char*> rows);
int32_t cellOf(const MapGrid& grid, int32_t x, int32_t y);

// Writes the map format by hand: width, height, then the cells column by
// column, little-endian.
void writeRawMap(const std::string& path, const MapGrid& grid);
void writeRawInts(const std::string& path, const std::vector<int32_t>& values);
void writeText(const std::string& path, const std::string& text);

struct FloorRecord {
    std::string mapPath;
    int32_t unitCount;
    int32_t squadSize;
    int32_t medkitCount;
};
std::string missionText(const std::vector<FloorRecord>& floors);
void writeMissionList(const std::vector<FloorRecord>& floors);

// Empties the game state as start-up leaves it.
void resetWorld();

class GameFilesTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

  private:
    std::string previousDirectory;
    std::string scratchDirectory;
    int32_t previousPanelWidth = 0;
    int32_t previousBandHeight = 0;
};

// Whole-record comparisons for expectations.
bool operator==(const Unit& a, const Unit& b);
bool operator==(const Medkit& a, const Medkit& b);
