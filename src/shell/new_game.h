// The play state a new game starts from, as a fresh process has it before its
// first floor. The random sequence is left alone: the game never reseeds, and
// whoever replays a game decides where its sequence starts.
#pragma once

#include <cstdint>

void resetForNewGame(int32_t firstFloor);
