#include "path/path_search.h"

namespace {
// Propagation prices every step at 1 when it decides whether to touch a node.
constexpr int32_t UNIT_STEP = 1;
} // namespace

// A closed node got cheaper: hand the saving down to the nodes it linked.
// Its direct children take one unit step; deeper nodes take the cost
// callback's price, which may leave them dearer than before. Nothing is
// reopened or re-sorted and no one is notified.
void PathSearch::propagateCost(PathNode* improved) {
    for (int32_t i = 0; i < improved->childCount; ++i) {
        PathNode* child = improved->children[i];
        if (improved->g + UNIT_STEP < child->g) {
            child->g = improved->g + UNIT_STEP;
            child->f = child->g + child->h;
            child->parent = improved;
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
                pushPending(child);
            }
        }
    }
}

void PathSearch::pushPending(PathNode* node) {
    pending = new PendingCell{node, pending};
}

PathNode* PathSearch::popPending() {
    PendingCell* top = pending;
    PathNode* node = top->node;
    pending = top->below;
    delete top;
    return node;
}
