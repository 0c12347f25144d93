// Random maps for comparing two search engines: size, refused cells, prices,
// the id multiplier and both ends all come from a seeded generator of our own.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SplitMix {
    uint64_t state;
    uint64_t next();
    int32_t below(int32_t bound); // 0 to bound - 1
    bool percent(int32_t chance);
};

struct RandomGrid {
    int32_t width = 1, height = 1;
    std::vector<int32_t> prices; // 0 for a refused cell
    bool bounded = true;         // false: no validFn at all, every cell may be entered
    int32_t margin = 0;          // cells this far outside the grid may be entered, at price 1
    bool priced = true;          // false: no costFn, every step costs 1
    int32_t rows = 1;
    int32_t startX = 0, startY = 0, goalX = 0, goalY = 0;
    bool stepwise = false; // driven by startSearch and searchStep instead of findPath
    bool steep = false;    // prices so high that the f of open nodes lie far apart

    bool open(int32_t x, int32_t y) const;
    int32_t price(int32_t x, int32_t y) const;
    std::string describe() const;
};

RandomGrid randomGrid(SplitMix& rng);
// A map of the largest size, walled but for a random patch somewhere in it, so
// that even the plain engine searches it quickly.
RandomGrid largestMapGrid(SplitMix& rng);
