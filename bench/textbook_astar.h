// The usual A* for comparison: a binary heap with stale entries skipped, arrays
// indexed by cell, eight neighbours, the Manhattan estimate and the same
// callbacks as the game's engine. It reuses its arrays between searches.
#pragma once

#include <cstdint>
#include <vector>

#include "path/path_node.h"

class TextbookAStar {
  public:
    PathCallback costFn = nullptr;
    PathCallback validFn = nullptr;
    intptr_t costData = 0;

    void setRows(int32_t side);
    bool findPath(int32_t startX, int32_t startY, int32_t goalX, int32_t goalY);
    int32_t goalCost() const { return reachedCost; }

  private:
    struct Entry {
        int32_t f;
        int32_t cell;
    };
    int32_t side = 0;
    std::vector<int32_t> cost;
    std::vector<int32_t> cameFrom;
    std::vector<uint32_t> seenIn; // search number of the last search that reached the cell
    std::vector<uint32_t> doneIn;
    std::vector<Entry> heap;
    uint32_t search = 0;
    int32_t reachedCost = -1;

    void push(int32_t f, int32_t cell);
    int32_t pop();
    void relax(const PathNode& from, int32_t x, int32_t y, int32_t goalX, int32_t goalY);
};
