// A search node together with the engine's own bookkeeping for the open list.
// The PathNode comes first so the engine can get from the nodes it hands out
// back to their bookkeeping.
#pragma once

#include <cstdint>
#include <type_traits>

#include "path/path_node.h"

struct SearchNode {
    PathNode node;
    // A tree over open-list positions, in list order, each subtree knowing its largest f.
    SearchNode* left;
    SearchNode* right;
    SearchNode* up;
    SearchNode* prev;
    uint32_t priority;
    int32_t maxF;
    bool open;
};

static_assert(std::is_standard_layout<SearchNode>::value, "node must sit at offset 0");

inline SearchNode* bookkeepingOf(PathNode* node) {
    return reinterpret_cast<SearchNode*>(node);
}
