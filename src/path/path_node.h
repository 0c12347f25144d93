// The node record the search hands to its callbacks and returns as its result.
#pragma once

#include <cstdint>

struct PathNode;

// One signature for all four callbacks: (parent or null, node, code, user value).
// Callbacks read only x and y of the two nodes. An absent callback counts as 1.
using PathCallback = int32_t (*)(const PathNode* parent, const PathNode* node, int32_t code,
                                 intptr_t userData);

struct PathNode {
    int32_t f;
    int32_t g;
    int32_t h;
    int32_t x;
    int32_t y;
    int32_t childCount;
    int32_t id;
    PathNode* parent;
    PathNode* next;
    PathNode* children[8];
    intptr_t data;
};

// One cell of the stack that hands a cost saving down the linked nodes.
struct PendingCell {
    PathNode* node;
    PendingCell* below;
};
