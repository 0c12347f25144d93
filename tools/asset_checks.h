// The build's checks of the game's text assets, each read by the same reader
// the game uses. Every problem is one line naming the file, the line where
// there is one, and what is wrong ("assets/init.txt line 5: ...").
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Problems = std::vector<std::string>;

// A text page's limits: rows start at y 60, 16 apart, and the prompt stands
// 25 above the bottom, so 24 rows fit; the page reads 79 bytes at a time and
// a longer line splits into two rows.
constexpr int32_t PAGE_ROWS_MAX = 24;
constexpr int32_t PAGE_ROW_LENGTH_MAX = 79;

// A squad statistic's range; the panel's bars are drawn for up to 10.
constexpr int32_t STAT_MIN = 1;
constexpr int32_t STAT_MAX = 99;

struct FloorSize {
    std::string file;
    int32_t width;
    int32_t height;
};

// init.txt: seven well-formed records in order, a tick above 0, colour
// components 0-255, and band and panel that leave every one of the floors
// tiles of at least one pixel.
void checkSettingsFile(const std::string& path, const std::vector<FloorSize>& floors,
                       Problems& problems);
// stats.txt: four entries of five whole numbers, statistics 1-99, weapon kinds 0-2.
void checkSquadStatsFile(const std::string& path, Problems& problems);
// story.txt, endgame.txt: rows that fit the page.
void checkTextPage(const std::string& path, Problems& problems);
