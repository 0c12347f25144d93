#include "support/reference_path_search.h"

#include <cstdlib>

ReferencePathSearch::ReferencePathSearch()
    : costFn(nullptr), validFn(nullptr), childNotifyFn(nullptr), listNotifyFn(nullptr), costData(0),
      notifyData(0) {}

ReferencePathSearch::~ReferencePathSearch() {
    clearNodes();
}

void ReferencePathSearch::setRows(int32_t rowCount) {
    rows = rowCount;
}

PathNode* ReferencePathSearch::bestNode() const {
    return best;
}

// Wraps like the hardware does instead of overflowing into undefined behaviour.
int32_t ReferencePathSearch::nodeId(int32_t x, int32_t y) const {
    return static_cast<int32_t>(static_cast<uint32_t>(x) * static_cast<uint32_t>(rows) +
                                static_cast<uint32_t>(y));
}

int32_t ReferencePathSearch::estimate(int32_t x, int32_t y) const {
    return std::abs(x - goalX) + std::abs(y - goalY);
}

void ReferencePathSearch::initNode(PathNode& node, int32_t x, int32_t y) {
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

int32_t ReferencePathSearch::invokeCallback(PathCallback fn, const PathNode* parent,
                                            const PathNode* node, int32_t code, intptr_t userData) {
    return fn ? fn(parent, node, code, userData) : 1;
}

void ReferencePathSearch::notifyChild(const PathNode* parent, const PathNode* node,
                                      int32_t code) const {
    invokeCallback(childNotifyFn, parent, node, code, notifyData);
}

void ReferencePathSearch::notifyList(const PathNode* parent, const PathNode* node,
                                     int32_t code) const {
    invokeCallback(listNotifyFn, parent, node, code, notifyData);
}

PathNode* ReferencePathSearch::findNode(PathNode* head, int32_t id) {
    for (PathNode* node = head; node; node = node->next)
        if (node->id == id)
            return node;
    return nullptr;
}

void ReferencePathSearch::freeList(PathNode*& head) {
    while (head) {
        PathNode* next = head->next;
        delete head;
        head = next;
    }
}

void ReferencePathSearch::clearNodes() {
    freeList(openList);
    freeList(closedList);
}

bool ReferencePathSearch::findPath(int32_t sx, int32_t sy, int32_t gx, int32_t gy) {
    startSearch(sx, sy, gx, gy);
    int32_t result = SEARCH_RUNNING;
    while (result == SEARCH_RUNNING)
        result = searchStep();
    if (result != SEARCH_FAILED && best)
        return true;
    best = nullptr;
    return false;
}

void ReferencePathSearch::startSearch(int32_t sx, int32_t sy, int32_t gx, int32_t gy) {
    clearNodes();
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

int32_t ReferencePathSearch::searchStep() {
    best = popBest();
    if (!best)
        return SEARCH_FAILED;
    if (best->id == goalId)
        return SEARCH_FOUND;
    expandNode(best);
    return SEARCH_RUNNING;
}

PathNode* ReferencePathSearch::popBest() {
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

void ReferencePathSearch::expandNode(PathNode* parent) {
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

bool ReferencePathSearch::improve(PathNode* parent, PathNode* node, int32_t cost) {
    if (cost >= node->g)
        return false;
    node->parent = parent;
    node->g = cost;
    node->f = cost + node->h;
    return true;
}

void ReferencePathSearch::linkChild(PathNode* parent, const PathNode* probe) {
    const int32_t cost = invokeCallback(costFn, parent, probe, QUERY_CODE, costData) + parent->g;
    const int32_t id = nodeId(probe->x, probe->y);

    if (PathNode* open = findNode(openList, id)) {
        parent->children[parent->childCount++] = open;
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

void ReferencePathSearch::insertOpen(PathNode* node) {
    PathNode* before = nullptr;
    PathNode* after = openList;
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

void ReferencePathSearch::propagateCost(PathNode* improved) {
    for (int32_t i = 0; i < improved->childCount; ++i) {
        PathNode* child = improved->children[i];
        if (improved->g + 1 < child->g) {
            child->g = improved->g + 1;
            child->f = child->g + child->h;
            child->parent = improved;
            pushPending(child);
        }
    }
    while (pending) {
        PathNode* node = popPending();
        for (int32_t i = 0; i < node->childCount; ++i) {
            PathNode* child = node->children[i];
            if (node->g + 1 < child->g) {
                child->g = node->g + invokeCallback(costFn, node, child, QUERY_CODE, costData);
                child->f = child->g + child->h;
                child->parent = node;
                pushPending(child);
            }
        }
    }
}

void ReferencePathSearch::pushPending(PathNode* node) {
    pending = new PendingCell{node, pending};
}

PathNode* ReferencePathSearch::popPending() {
    PendingCell* top = pending;
    PathNode* node = top->node;
    pending = top->below;
    delete top;
    return node;
}

bool ReferencePathSearch::traceLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    PathNode cell;
    initNode(cell, -1, -1);
    cell.x = x0;
    cell.y = y0;
    int32_t dx = x1 - x0;
    int32_t dy = y1 - y0;
    const int32_t sx = dx >= 0 ? 1 : -1;
    const int32_t sy = dy >= 0 ? 1 : -1;
    dx *= sx;
    dy *= sy;
    const int32_t ax2 = 2 * dx;
    const int32_t ay2 = 2 * dy;
    if (dx > dy) {
        int32_t err = ay2 - dx;
        for (int32_t i = 0; i <= dx; ++i) {
            if (!invokeCallback(validFn, nullptr, &cell, QUERY_CODE, costData))
                return false;
            if (err >= 0) {
                err -= ax2;
                cell.y += sy;
            }
            err += ay2;
            cell.x += sx;
        }
        return true;
    }
    int32_t err = ax2 - dy;
    for (int32_t i = 0; i <= dy; ++i) {
        if (!invokeCallback(validFn, nullptr, &cell, QUERY_CODE, costData))
            return false;
        if (err >= 0) {
            err -= ay2;
            cell.x += sx;
        }
        err += ax2;
        cell.y += sy;
    }
    return true;
}
