// Who may enter a cell, what sight may cross, and what a step costs: the
// game's callbacks for the path search.
#pragma once

#include <cstdint>

#include "path/path_node.h"

int32_t canEnter(const PathNode* parent, const PathNode* node, int32_t code, intptr_t userData);
int32_t canSeeThrough(const PathNode* parent, const PathNode* node, int32_t code,
                      intptr_t userData);
int32_t stepCost(const PathNode* parent, const PathNode* node, int32_t code, intptr_t userData);
