#include "world/random.h"

namespace {
uint32_t state = 1;
}

int32_t gameRand() {
    state = state * 214013u + 2531011u;
    return static_cast<int32_t>((state >> 16) & 0x7FFF);
}

uint32_t randomState() { return state; }
void setRandomState(uint32_t s) { state = s; }
