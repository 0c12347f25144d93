// A best-first grid search driven by callbacks. It knows nothing of any game:
// the owner says which cells may be entered and what a step costs.
#pragma once

#include <cstdint>
#include <vector>

#include "path/chunk_pool.h"
#include "path/node_index.h"
#include "path/open_list.h"
#include "path/path_node.h"

// childNotifyFn codes
constexpr int32_t NOTIFY_START = 0;
constexpr int32_t NOTIFY_OPEN_BETTER = 1;
constexpr int32_t NOTIFY_OPEN_SAME = 2;
constexpr int32_t NOTIFY_CLOSED_BETTER = 3;
constexpr int32_t NOTIFY_CLOSED_SAME = 4;
constexpr int32_t NOTIFY_NEW = 5;

// listNotifyFn codes
constexpr int32_t LIST_INSERTED = 0;
constexpr int32_t LIST_AT_HEAD = 1;
constexpr int32_t LIST_POPPED = 2;
constexpr int32_t LIST_CLOSED = 3;

// searchStep results
constexpr int32_t SEARCH_FAILED = -1;
constexpr int32_t SEARCH_RUNNING = 0;
constexpr int32_t SEARCH_FOUND = 1;

class PathSearch {
  public:
    PathCallback costFn;
    PathCallback validFn;
    PathCallback childNotifyFn;
    PathCallback listNotifyFn;
    intptr_t costData;
    intptr_t notifyData;

    PathSearch();
    ~PathSearch();
    PathSearch(const PathSearch&) = delete;
    PathSearch& operator=(const PathSearch&) = delete;

    void setRows(int32_t rows);
    int32_t rowCount() const;
    PathNode* bestNode() const;
    bool findPath(int32_t startX, int32_t startY, int32_t goalX, int32_t goalY);
    void startSearch(int32_t startX, int32_t startY, int32_t goalX, int32_t goalY);
    int32_t searchStep();
    // Drops the search under way: no best node, no route.
    void abandonSearch();
    // True when every cell of the Bresenham line, both ends included, passes validFn.
    bool traceLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1);

  private:
    int32_t rows = 0;
    int32_t startX = 0, startY = 0, goalX = 0, goalY = 0, goalId = 0;
    OpenList openList;
    PathNode* closedList = nullptr;
    PathNode* best = nullptr;
    // The neighbour offered to the callbacks, set up once: they read only its cell.
    PathNode neighbour{};
    // The propagation stack, last in first out; empty between searches' steps.
    std::vector<PathNode*> pending;

    // Storage kept from search to search; a new search reuses it from the start.
    ChunkPool<SearchNode> nodePool;
    NodeIndex index;

    // The code costFn and validFn are always called with.
    static constexpr int32_t QUERY_CODE = 0;

    int32_t nodeId(int32_t x, int32_t y) const;
    int32_t estimate(int32_t x, int32_t y) const;
    static void initNode(PathNode& node, int32_t x, int32_t y);
    static int32_t invokeCallback(PathCallback fn, const PathNode* parent, const PathNode* node,
                                  int32_t code, intptr_t userData);
    void notifyChild(const PathNode* parent, const PathNode* node, int32_t code) const;
    void notifyList(const PathNode* parent, const PathNode* node, int32_t code) const;

    void clearNodes();
    SearchNode* createNode(int32_t x, int32_t y, PathNode* parent, int32_t g);
    PathNode* popBest();
    void expandNode(PathNode* parent);
    void linkChild(PathNode* parent, const PathNode* probe);
    void linkNewNode(PathNode* parent, const PathNode* probe, int32_t cost);
    void relinkKnownNode(PathNode* parent, NodeIndex::Entry& entry, int32_t cost);
    // The node with this id in the open or the closed list; null when neither has it.
    NodeIndex::Entry* findNode(int32_t id) { return index.entryOf(id); }
    static bool improve(PathNode* parent, PathNode* node, int32_t cost);
    void insertOpen(SearchNode* node);
    void refreshIfOpen(PathNode* node);

    void propagateCost(PathNode* improved);
    void passOn(PathNode* from, PathNode* child, int32_t g);
};

// The game's one search, set up afresh by every floor load.
extern PathSearch pathSearch;
