#include "shell/platform.h"

namespace {
void presentNothing(BITMAP*) {}
int32_t zero() { return 0; }
void nothing() {}
bool no() { return false; }
void silent(int32_t) {}
} // namespace

// The null table: runs the game with no machine at all.
Platform platform = {presentNothing, zero, zero, zero, nothing, no, no, nothing, nothing, silent};
