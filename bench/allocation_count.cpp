#include "allocation_count.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<int64_t> allocations{0};
std::atomic<int64_t> held{0};
std::atomic<int64_t> peak{0};

void* take(size_t size) {
    void* memory = std::malloc(size ? size : 1);
    if (!memory)
        throw std::bad_alloc();
    ++allocations;
    const int64_t now = held += static_cast<int64_t>(malloc_usable_size(memory));
    int64_t highest = peak.load();
    while (now > highest && !peak.compare_exchange_weak(highest, now)) {
    }
    return memory;
}

void give(void* memory) {
    if (!memory)
        return;
    held -= static_cast<int64_t>(malloc_usable_size(memory));
    std::free(memory);
}
} // namespace

AllocationCount allocationsSoFar() {
    return AllocationCount{allocations.load(), held.load(), peak.load()};
}

void resetAllocationPeak() {
    peak = held.load();
}

void* operator new(size_t size) {
    return take(size);
}
void* operator new[](size_t size) {
    return take(size);
}
void operator delete(void* memory) noexcept {
    give(memory);
}
void operator delete[](void* memory) noexcept {
    give(memory);
}
void operator delete(void* memory, size_t) noexcept {
    give(memory);
}
void operator delete[](void* memory, size_t) noexcept {
    give(memory);
}
