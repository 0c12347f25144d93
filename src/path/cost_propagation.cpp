#include "path/path_search.h"

namespace {
// Propagation prices every step at 1 when it decides whether to touch a node.
constexpr int32_t UNIT_STEP = 1;
} // namespace

// A closed node got cheaper: hand the saving down to the nodes it linked.
// Its direct children take one unit step; deeper nodes take the cost
// callback's price, which may leave them dearer than before. Nothing is
// reopened or moved in the open list and no one is notified.
void PathSearch::propagateCost(PathNode* improved) {
    for (int32_t i = 0; i < improved->childCount; ++i) {
        PathNode* child = improved->children[i];
        if (improved->g + UNIT_STEP < child->g) {
            child->g = improved->g + UNIT_STEP;
            child->f = child->g + child->h;
            child->parent = improved;
            refreshIfOpen(child);
            pushPending(child);
        }
    }
    while (pending) {
        PathNode* node = popPending();
        for (int32_t i = 0; i < node->childCount; ++i) {
            PathNode* child = node->children[i];
            if (node->g + UNIT_STEP < child->g) {
                child->g = node->g + invokeCallback(costFn, node, child, QUERY_CODE, costData);
                child->f = child->g + child->h;
                child->parent = node;
                refreshIfOpen(child);
                pushPending(child);
            }
        }
    }
}

// Cells come from a pool and go back to a spare stack, never to the heap.
void PathSearch::pushPending(PathNode* node) {
    PendingCell* cell = spareCells;
    if (cell)
        spareCells = cell->below;
    else
        cell = cellPool.take();
    *cell = PendingCell{node, pending};
    pending = cell;
}

PathNode* PathSearch::popPending() {
    PendingCell* top = pending;
    PathNode* node = top->node;
    pending = top->below;
    top->below = spareCells;
    spareCells = top;
    return node;
}
