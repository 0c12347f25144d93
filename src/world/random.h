// The game's one random generator. It starts at 1 and is never reseeded, so the
// same data files and the same commands always give the same floors and rolls.
#pragma once

#include <cstdint>

// Next value, 0 to 32767.
int32_t gameRand();

// For tests and replays only: the game itself never calls these.
uint32_t randomState();
void setRandomState(uint32_t state);
