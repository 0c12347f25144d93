// Records every notification of a search, with its code and the cells of both
// arguments, and keeps the nodes so a test can read their values afterwards.
#pragma once

#include <cstdint>
#include <map>
#include <ostream>
#include <utility>
#include <vector>

#include "path/path_search.h"
#include "route_drawing.h"

constexpr int32_t NO_CELL = -99;

struct Notice {
    char list; // 'L' for listNotifyFn, 'C' for childNotifyFn
    int32_t code;
    int32_t parentX, parentY; // NO_CELL without a parent
    int32_t x, y;
    bool operator==(const Notice& o) const {
        return list == o.list && code == o.code && parentX == o.parentX && parentY == o.parentY &&
               x == o.x && y == o.y;
    }
};

void PrintTo(const Notice& notice, std::ostream* out);

struct SearchRecorder {
    std::vector<Notice> notices;
    std::map<std::pair<int32_t, int32_t>, const PathNode*> nodes;

    void attach(PathSearch& search);
    const PathNode* node(int32_t x, int32_t y) const;
    Route popped() const; // in the order the nodes left the open list
};

// Shorthands for expected sequences.
Notice listNotice(int32_t code, int32_t px, int32_t py, int32_t x, int32_t y);
Notice listNotice(int32_t code, int32_t x, int32_t y);
Notice childNotice(int32_t code, int32_t px, int32_t py, int32_t x, int32_t y);
Notice childNotice(int32_t code, int32_t x, int32_t y);
