// A map for driving the bare engine: each character is the price of entering
// that cell ('.' costs 1, a digit its value) or '#' for a refused cell.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "path/path_search.h"

struct CostGrid {
    std::vector<std::string> rows;
    int32_t validCalls = 0;

    int32_t width() const { return rows.empty() ? 0 : static_cast<int32_t>(rows[0].size()); }
    int32_t height() const { return static_cast<int32_t>(rows.size()); }
    bool open(int32_t x, int32_t y) const;
    int32_t price(int32_t x, int32_t y) const;
};

// Installs the grid's passability and prices, with rows set to its height.
void useGrid(PathSearch& search, CostGrid& grid);

// Searched from (0,0) to the refused (3,0), so everything reachable is
// expanded; an open node and then a closed one get cheaper on the way.
inline const std::vector<std::string> DETOUR_GRID = {"155#", "5#24", "#111"};
