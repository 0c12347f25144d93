// Who may enter a cell, what sight may cross, and what a step costs: the
// game's callbacks for the path search.
#pragma once

#include <cstdint>
#include <vector>

#include "path/path_node.h"

int32_t canEnter(const PathNode* parent, const PathNode* node, int32_t code, intptr_t userData);
int32_t canSeeThrough(const PathNode* parent, const PathNode* node, int32_t code,
                      intptr_t userData);
int32_t stepCost(const PathNode* parent, const PathNode* node, int32_t code, intptr_t userData);

// Everything the three read: while it is unchanged, so are their answers.
struct PassabilityInputs {
    int32_t width = -1;
    int32_t height = -1;
    std::vector<int32_t> cells;
    std::vector<int32_t> occupied;
    bool unitActing = false;
    int32_t actingSide = 0;
    int32_t actingUnspotted = 0;

    bool operator==(const PassabilityInputs& other) const;
};

// Into storage kept from call to call.
void readPassabilityInputs(PassabilityInputs& into);
