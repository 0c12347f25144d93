#include "path/path_search.h"

#include <cstdlib>

PathSearch::PathSearch()
    : costFn(nullptr), validFn(nullptr), childNotifyFn(nullptr), listNotifyFn(nullptr), costData(0),
      notifyData(0) {}

PathSearch::~PathSearch() {
    clearNodes();
}

void PathSearch::setRows(int32_t rowCount) {
    rows = rowCount;
}

PathNode* PathSearch::bestNode() const {
    return best;
}

int32_t PathSearch::estimate(int32_t x, int32_t y) const {
    return std::abs(x - goalX) + std::abs(y - goalY);
}

void PathSearch::initNode(PathNode& node, int32_t x, int32_t y) {
    node.x = x;
    node.y = y;
    node.childCount = 0;
    node.id = 0;
    node.data = 0;
    node.parent = nullptr;
    node.next = nullptr;
    for (PathNode*& child : node.children)
        child = nullptr;
}

int32_t PathSearch::invokeCallback(PathCallback fn, const PathNode* parent, const PathNode* node,
                                   int32_t code, intptr_t userData) {
    return fn ? fn(parent, node, code, userData) : 1;
}

void PathSearch::notifyChild(const PathNode* parent, const PathNode* node, int32_t code) const {
    invokeCallback(childNotifyFn, parent, node, code, notifyData);
}

void PathSearch::notifyList(const PathNode* parent, const PathNode* node, int32_t code) const {
    invokeCallback(listNotifyFn, parent, node, code, notifyData);
}

PathNode* PathSearch::findNode(PathNode* head, int32_t id) {
    for (PathNode* node = head; node; node = node->next)
        if (node->id == id)
            return node;
    return nullptr;
}

void PathSearch::freeList(PathNode*& head) {
    while (head) {
        PathNode* next = head->next;
        delete head;
        head = next;
    }
}

void PathSearch::clearNodes() {
    freeList(openList);
    freeList(closedList);
}

bool PathSearch::findPath(int32_t sx, int32_t sy, int32_t gx, int32_t gy) {
    startSearch(sx, sy, gx, gy);
    int32_t result = SEARCH_RUNNING;
    while (result == SEARCH_RUNNING)
        result = searchStep();
    if (result != SEARCH_FAILED && best)
        return true;
    best = nullptr;
    return false;
}

void PathSearch::startSearch(int32_t sx, int32_t sy, int32_t gx, int32_t gy) {
    clearNodes();
    // The old best node was just freed; nothing may reach it through bestNode.
    best = nullptr;
    startX = sx;
    startY = sy;
    goalX = gx;
    goalY = gy;
    goalId = nodeId(gx, gy);

    PathNode* start = new PathNode;
    initNode(*start, sx, sy);
    start->g = 0;
    start->h = estimate(sx, sy);
    start->f = start->g + start->h;
    start->id = nodeId(sx, sy);
    openList = start;
    notifyList(nullptr, start, LIST_AT_HEAD);
    notifyChild(nullptr, start, NOTIFY_START);
}

int32_t PathSearch::searchStep() {
    best = popBest();
    if (!best)
        return SEARCH_FAILED;
    // Tested on leaving the open list: a cheaper route to the goal may still
    // turn up while the goal waits there.
    if (best->id == goalId)
        return SEARCH_FOUND;
    expandNode(best);
    return SEARCH_RUNNING;
}

PathNode* PathSearch::popBest() {
    PathNode* node = openList;
    if (!node)
        return nullptr;
    openList = node->next;
    notifyList(nullptr, node, LIST_POPPED);
    node->next = closedList;
    closedList = node;
    notifyList(nullptr, node, LIST_CLOSED);
    return node;
}

void PathSearch::expandNode(PathNode* parent) {
    PathNode probe;
    initNode(probe, -1, -1);
    for (int32_t dx = -1; dx <= 1; ++dx) {
        for (int32_t dy = -1; dy <= 1; ++dy) {
            if (dx == 0 && dy == 0)
                continue;
            probe.x = parent->x + dx;
            probe.y = parent->y + dy;
            if (invokeCallback(validFn, parent, &probe, QUERY_CODE, costData))
                linkChild(parent, &probe);
        }
    }
}

// Takes the cheaper route through parent if there is one; equal cost never
// changes a parent.
bool PathSearch::improve(PathNode* parent, PathNode* node, int32_t cost) {
    if (cost >= node->g)
        return false;
    node->parent = parent;
    node->g = cost;
    node->f = cost + node->h;
    return true;
}

void PathSearch::linkChild(PathNode* parent, const PathNode* probe) {
    const int32_t cost = invokeCallback(costFn, parent, probe, QUERY_CODE, costData) + parent->g;
    const int32_t id = nodeId(probe->x, probe->y);

    if (PathNode* open = findNode(openList, id)) {
        parent->children[parent->childCount++] = open;
        // Left where it is in the open list even when its f dropped.
        const bool better = improve(parent, open, cost);
        notifyChild(parent, open, better ? NOTIFY_OPEN_BETTER : NOTIFY_OPEN_SAME);
        return;
    }
    if (PathNode* closed = findNode(closedList, id)) {
        parent->children[parent->childCount++] = closed;
        const bool better = improve(parent, closed, cost);
        notifyChild(parent, closed, better ? NOTIFY_CLOSED_BETTER : NOTIFY_CLOSED_SAME);
        if (better)
            propagateCost(closed);
        return;
    }
    PathNode* node = new PathNode;
    initNode(*node, probe->x, probe->y);
    node->parent = parent;
    node->g = cost;
    node->h = estimate(node->x, node->y);
    node->f = node->g + node->h;
    node->id = id;
    insertOpen(node);
    parent->children[parent->childCount++] = node;
    notifyChild(parent, node, NOTIFY_NEW);
}

void PathSearch::insertOpen(PathNode* node) {
    PathNode* before = nullptr;
    PathNode* after = openList;
    // Stopping at the first f not below keeps a newcomer ahead of its equals.
    while (after && after->f < node->f) {
        before = after;
        after = after->next;
    }
    node->next = after;
    if (before) {
        before->next = node;
        notifyList(before, node, LIST_INSERTED);
    } else {
        openList = node;
        notifyList(after, node, LIST_AT_HEAD);
    }
}
