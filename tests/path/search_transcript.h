// Everything an engine lets its owner observe during and after one search on a
// random grid: every callback call in order with its arguments, the result,
// and every node it made, with links given as creation numbers.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "path/path_search.h"
#include "random_grid.h"

struct CallRecord {
    char callback; // 'V'alid, 'P'rice, 'C'hild or 'L'ist
    int32_t code;
    int32_t parentX, parentY; // -99 for no parent
    int32_t x, y;
    int32_t g, f, h; // of a real node; 0 for the probe handed to validFn and costFn
    bool operator==(const CallRecord& o) const;
};

struct NodeRecord {
    int32_t f, g, h, x, y, childCount, id;
    int32_t parent, next; // creation numbers, -1 for none
    int32_t children[8];
    bool operator==(const NodeRecord& o) const;
};

struct Transcript {
    const RandomGrid* grid = nullptr;
    std::vector<CallRecord> calls;
    std::vector<const PathNode*> created;
    std::unordered_set<const PathNode*> live;
    std::vector<int32_t> stepResults;
    bool found = false;
    int32_t best = -1;
    std::vector<NodeRecord> nodes; // filled by takeSnapshot
    std::vector<int32_t> route;    // creation numbers, goal first
};

std::string describeCall(const CallRecord& call);
std::string describeRoute(const Transcript& transcript);
// Where two transcripts first differ, or empty when they agree in everything.
std::string firstDifference(const Transcript& a, const Transcript& b);

int32_t recordValid(const PathNode* parent, const PathNode* node, int32_t code, intptr_t data);
int32_t recordPrice(const PathNode* parent, const PathNode* node, int32_t code, intptr_t data);
int32_t recordChild(const PathNode* parent, const PathNode* node, int32_t code, intptr_t data);
int32_t recordList(const PathNode* parent, const PathNode* node, int32_t code, intptr_t data);
void takeSnapshot(Transcript& transcript, const PathNode* best);

// Runs one search on the grid with every callback recording into the transcript.
template <typename Engine>
void runRecorded(Engine& engine, const RandomGrid& grid, Transcript& out) {
    out.grid = &grid;
    const intptr_t data = reinterpret_cast<intptr_t>(&out);
    engine.validFn = grid.bounded ? recordValid : nullptr;
    engine.costFn = grid.priced ? recordPrice : nullptr;
    engine.childNotifyFn = recordChild;
    engine.listNotifyFn = recordList;
    engine.costData = data;
    engine.notifyData = data;
    engine.setRows(grid.rows);
    if (grid.stepwise) {
        engine.startSearch(grid.startX, grid.startY, grid.goalX, grid.goalY);
        do
            out.stepResults.push_back(engine.searchStep());
        while (out.stepResults.back() == SEARCH_RUNNING);
        out.found = out.stepResults.back() == SEARCH_FOUND;
    } else {
        out.found = engine.findPath(grid.startX, grid.startY, grid.goalX, grid.goalY);
    }
    takeSnapshot(out, engine.bestNode());
}
