// A search node together with the engine's own bookkeeping for the open list.
// The PathNode comes first so the engine can get from the nodes it hands out
// back to their bookkeeping.
#pragma once

#include <cstdint>
#include <type_traits>

#include "path/path_node.h"

// Laid out so that the fields a walk down the tree reads share one cache line.
struct alignas(64) SearchNode {
    PathNode node;
    SearchNode* prev; // in list order
    // A tree over open-list positions, in list order, each subtree knowing its largest f.
    SearchNode* left;
    SearchNode* right;
    SearchNode* up;
    int32_t f; // node.f as the tree last saw it
    int32_t maxF;
    uint32_t priority;
    bool open;
};

static_assert(std::is_standard_layout<SearchNode>::value, "node must sit at offset 0");

inline SearchNode* bookkeepingOf(PathNode* node) {
    return reinterpret_cast<SearchNode*>(node);
}
