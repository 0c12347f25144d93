// Registration of each group of benchmarks, called from the benchmark main,
// and the measures taken outside the benchmark library.
#pragma once

#include <cstdint>

void registerSearchBenchmarks();
void registerFrameBenchmarks();
void registerTurnBenchmarks();

struct EngineMemory {
    int64_t peakBytes;          // held by one engine during a 480 x 480 search
    int64_t allocationsPerSearch; // once the engine has searched that map before
};
EngineMemory measureEngineMemory();
