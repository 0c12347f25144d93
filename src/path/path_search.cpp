#include "path/path_search.h"

#include <cstdlib>

namespace {
// Propagation prices every step at 1 when it decides whether to touch a node.
constexpr int32_t UNIT_STEP = 1;

struct Offset {
    int32_t dx;
    int32_t dy;
};
// The eight neighbours, column by column from the left, each top to bottom.
constexpr Offset NEIGHBOURS[] = {{-1, -1}, {-1, 0}, {-1, 1}, {0, -1},
                                 {0, 1},   {1, -1}, {1, 0},  {1, 1}};
} // namespace

PathSearch pathSearch;

PathSearch::PathSearch()
    : costFn(nullptr), validFn(nullptr), childNotifyFn(nullptr), listNotifyFn(nullptr), costData(0),
      notifyData(0) {
    initNode(neighbour, -1, -1);
}

// The storage goes with its members; nothing else is held.
PathSearch::~PathSearch() = default;

void PathSearch::setRows(int32_t rowCount) {
    rows = rowCount;
}

int32_t PathSearch::rowCount() const {
    return rows;
}

PathNode* PathSearch::bestNode() const {
    return best;
}

// Wraps instead of overflowing: cells far outside any map still get an id.
int32_t PathSearch::nodeId(int32_t x, int32_t y) const {
    return static_cast<int32_t>(static_cast<uint32_t>(x) * static_cast<uint32_t>(rows) +
                                static_cast<uint32_t>(y));
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

// The nodes and the route read from them are gone; their storage stays for reuse.
void PathSearch::clearNodes() {
    openList.clear();
    closedList = nullptr;
    index.clear();
    nodePool.releaseAll();
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
    // The old best node was just released; nothing may reach it through bestNode.
    best = nullptr;
    startX = sx;
    startY = sy;
    goalX = gx;
    goalY = gy;
    goalId = nodeId(gx, gy);

    SearchNode* start = createNode(sx, sy, nullptr, 0);
    insertOpen(start);
    notifyChild(nullptr, &start->node, NOTIFY_START);
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

void PathSearch::abandonSearch() {
    clearNodes();
    best = nullptr;
}

SearchNode* PathSearch::createNode(int32_t x, int32_t y, PathNode* parent, int32_t g) {
    SearchNode* created = nodePool.take();
    PathNode& node = created->node;
    initNode(node, x, y);
    node.parent = parent;
    node.g = g;
    node.h = estimate(x, y);
    node.f = g + node.h;
    node.id = nodeId(x, y);
    index.add(node.id, created, g);
    return created;
}

PathNode* PathSearch::popBest() {
    SearchNode* popped = openList.popHead();
    if (!popped)
        return nullptr;
    PathNode* node = &popped->node;
    notifyList(nullptr, node, LIST_POPPED);
    node->next = closedList;
    closedList = node;
    notifyList(nullptr, node, LIST_CLOSED);
    return node;
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

void PathSearch::refreshIfOpen(PathNode* node) {
    SearchNode* known = bookkeepingOf(node);
    if (known->open)
        openList.refresh(known);
}

// Inline in the neighbour loop: most links on a crowded map change nothing,
// and the index's copy of g says so without a visit to the node.
inline void PathSearch::linkChild(PathNode* parent, const PathNode* probe) {
    const int32_t cost = invokeCallback(costFn, parent, probe, QUERY_CODE, costData) + parent->g;
    NodeIndex::Entry* entry = findNode(nodeId(probe->x, probe->y));
    if (!entry) {
        linkNewNode(parent, probe, cost);
        return;
    }
    parent->children[parent->childCount++] = &entry->node->node;
    if (cost < entry->g || childNotifyFn)
        relinkKnownNode(parent, *entry, cost);
}

void PathSearch::expandNode(PathNode* parent) {
    for (const Offset& step : NEIGHBOURS) {
        neighbour.x = parent->x + step.dx;
        neighbour.y = parent->y + step.dy;
        if (invokeCallback(validFn, parent, &neighbour, QUERY_CODE, costData))
            linkChild(parent, &neighbour);
    }
}

void PathSearch::linkNewNode(PathNode* parent, const PathNode* probe, int32_t cost) {
    SearchNode* created = createNode(probe->x, probe->y, parent, cost);
    insertOpen(created);
    parent->children[parent->childCount++] = &created->node;
    notifyChild(parent, &created->node, NOTIFY_NEW);
}

void PathSearch::relinkKnownNode(PathNode* parent, NodeIndex::Entry& entry, int32_t cost) {
    SearchNode* known = entry.node;
    PathNode* node = &known->node;
    const bool better = improve(parent, node, cost);
    if (better)
        entry.g = cost;
    if (known->open) {
        // Left where it is in the open list even when its f dropped.
        if (better)
            openList.refresh(known);
        notifyChild(parent, node, better ? NOTIFY_OPEN_BETTER : NOTIFY_OPEN_SAME);
        return;
    }
    notifyChild(parent, node, better ? NOTIFY_CLOSED_BETTER : NOTIFY_CLOSED_SAME);
    if (better)
        propagateCost(node);
}

void PathSearch::insertOpen(SearchNode* node) {
    const PathNode* formerHead = openList.head();
    const SearchNode* before = openList.insert(node);
    if (before)
        notifyList(&before->node, &node->node, LIST_INSERTED);
    else
        notifyList(formerHead, &node->node, LIST_AT_HEAD);
}

// A closed node got cheaper: hand the saving down to the nodes it linked.
// Its direct children take one unit step; deeper nodes take the cost
// callback's price, which may leave them dearer than before. Nothing is
// reopened or moved in the open list and no one is notified.
void PathSearch::propagateCost(PathNode* improved) {
    for (int32_t i = 0; i < improved->childCount; ++i) {
        PathNode* child = improved->children[i];
        if (improved->g + UNIT_STEP < child->g)
            passOn(improved, child, improved->g + UNIT_STEP);
    }
    while (!pending.empty()) {
        PathNode* node = pending.back();
        pending.pop_back();
        for (int32_t i = 0; i < node->childCount; ++i) {
            PathNode* child = node->children[i];
            if (node->g + UNIT_STEP < child->g)
                passOn(node, child,
                       node->g + invokeCallback(costFn, node, child, QUERY_CODE, costData));
        }
    }
}

void PathSearch::passOn(PathNode* from, PathNode* child, int32_t g) {
    child->g = g;
    index.entryOf(child->id)->g = g;
    child->f = g + child->h;
    child->parent = from;
    refreshIfOpen(child);
    pending.push_back(child);
}

// Bresenham's walk. The minor axis steps as soon as the error reaches 0, which
// settles lines passing exactly between two cells, and makes a line and its
// reverse differ.
bool PathSearch::traceLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
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

    const bool xMajor = dx > dy;
    // Walk along the major axis; "minor" names the other one.
    int32_t& major = xMajor ? cell.x : cell.y;
    int32_t& minor = xMajor ? cell.y : cell.x;
    const int32_t majorStep = xMajor ? sx : sy;
    const int32_t minorStep = xMajor ? sy : sx;
    const int32_t majorLength = xMajor ? dx : dy;
    const int32_t major2 = xMajor ? ax2 : ay2;
    const int32_t minor2 = xMajor ? ay2 : ax2;

    int32_t err = minor2 - majorLength;
    for (int32_t i = 0; i <= majorLength; ++i) {
        if (!invokeCallback(validFn, nullptr, &cell, QUERY_CODE, costData))
            return false;
        if (err >= 0) {
            err -= major2;
            minor += minorStep;
        }
        err += minor2;
        major += majorStep;
    }
    return true;
}
