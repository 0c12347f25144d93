// A search node together with the engine's own bookkeeping for the open list.
// The PathNode comes first so the engine can get from the nodes it hands out
// back to their bookkeeping.
#pragma once

#include <cstdint>
#include <type_traits>

#include "path/path_node.h"

struct SearchNode {
    PathNode node; // node.next is the link in list order
    SearchNode* prev;
    // The chain of records: open nodes whose f is above every f in front of them.
    SearchNode* prevRecord;
    SearchNode* nextRecord;
    int32_t key; // node.f as the open list last saw it
    bool open;
    bool record;
};

static_assert(std::is_standard_layout<SearchNode>::value, "node must sit at offset 0");

inline SearchNode* bookkeepingOf(PathNode* node) {
    return reinterpret_cast<SearchNode*>(node);
}
