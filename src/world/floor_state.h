// Where a floor stands: questions the turn loop asks, and with it every tool
// and test that plays or checks floors.
#pragma once

#include <cstdint>
#include <vector>

// Its enemies are all dead, or its squad has left or died.
bool floorOver();

// A squad soldier's turn with no shot on display: a press is a command.
bool playerMayCommand();

// The exit cells of a row-major grid of cell codes, as indices, in order; a
// floor the game plays has exactly one.
std::vector<int32_t> exitIndices(const std::vector<int32_t>& cells);
// The first of them, or -1 when there is none.
int32_t exitIndex(const std::vector<int32_t>& cells);
