// The search engine in its plainest form: a sorted singly linked open list,
// linear membership scans and one heap allocation per node. The game's engine
// must agree with it in every result and every notification.
#pragma once

#include <cstdint>

#include "path/path_search.h"

class ReferencePathSearch {
  public:
    PathCallback costFn;
    PathCallback validFn;
    PathCallback childNotifyFn;
    PathCallback listNotifyFn;
    intptr_t costData;
    intptr_t notifyData;

    ReferencePathSearch();
    ~ReferencePathSearch();
    ReferencePathSearch(const ReferencePathSearch&) = delete;
    ReferencePathSearch& operator=(const ReferencePathSearch&) = delete;

    void setRows(int32_t rows);
    PathNode* bestNode() const;
    bool findPath(int32_t startX, int32_t startY, int32_t goalX, int32_t goalY);
    void startSearch(int32_t startX, int32_t startY, int32_t goalX, int32_t goalY);
    int32_t searchStep();
    bool traceLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1);

  private:
    int32_t rows = 0;
    int32_t startX = 0, startY = 0, goalX = 0, goalY = 0, goalId = 0;
    PathNode* openList = nullptr;
    PathNode* closedList = nullptr;
    PathNode* best = nullptr;
    PendingCell* pending = nullptr;

    static constexpr int32_t QUERY_CODE = 0;

    int32_t nodeId(int32_t x, int32_t y) const;
    int32_t estimate(int32_t x, int32_t y) const;
    static void initNode(PathNode& node, int32_t x, int32_t y);
    static int32_t invokeCallback(PathCallback fn, const PathNode* parent, const PathNode* node,
                                  int32_t code, intptr_t userData);
    void notifyChild(const PathNode* parent, const PathNode* node, int32_t code) const;
    void notifyList(const PathNode* parent, const PathNode* node, int32_t code) const;

    static PathNode* findNode(PathNode* head, int32_t id);
    static void freeList(PathNode*& head);
    void clearNodes();
    PathNode* popBest();
    void expandNode(PathNode* parent);
    void linkChild(PathNode* parent, const PathNode* probe);
    static bool improve(PathNode* parent, PathNode* node, int32_t cost);
    void insertOpen(PathNode* node);

    void propagateCost(PathNode* improved);
    void pushPending(PathNode* node);
    PathNode* popPending();
};
