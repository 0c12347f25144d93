// Counts what goes through operator new in the whole benchmark program: how
// many allocations, the bytes held now and the most held since the last reset.
#pragma once

#include <cstddef>
#include <cstdint>

struct AllocationCount {
    int64_t allocations;
    int64_t heldBytes;
    int64_t peakBytes;
};

AllocationCount allocationsSoFar();
// Starts a new peak at what is held now.
void resetAllocationPeak();
