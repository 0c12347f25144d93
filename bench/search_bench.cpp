// The three engines on the same grids: the reference, the game's and the textbook one.
#include <benchmark/benchmark.h>

#include <string>

#include "allocation_count.h"
#include "bench_grid.h"
#include "path/path_search.h"
#include "search_benchmarks.h"
#include "support/reference_path_search.h"
#include "textbook_astar.h"

namespace {
template <typename Engine> void searchOnce(benchmark::State& state, const BenchGrid& grid) {
    Engine engine;
    useBenchGrid(engine, grid);
    bool found = false;
    for (auto _ : state) {
        found = engine.findPath(grid.startX, grid.startY, grid.goalX, grid.goalY);
        benchmark::DoNotOptimize(found);
    }
    state.SetLabel(found ? "found" : "no route");
}

constexpr int32_t HUGE_SIDE = 480;
// Searches counted for allocations once the engine is warm.
constexpr int32_t WARM_SEARCHES = 10;

// The plain engine is left out of the largest grids: it would take hours.
void registerEngines(const std::string& layout, const BenchGrid& grid, bool withReference = true) {
    if (withReference)
        benchmark::RegisterBenchmark(("search/" + layout + "/reference").c_str(),
                                     searchOnce<ReferencePathSearch>, grid)
            ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("search/" + layout + "/game").c_str(), searchOnce<PathSearch>,
                                 grid)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("search/" + layout + "/textbook").c_str(),
                                 searchOnce<TextbookAStar>, grid)
        ->Unit(benchmark::kMicrosecond);
}
} // namespace

void registerSearchBenchmarks() {
    for (int32_t side : {16, 64, 128})
        registerEngines("open" + std::to_string(side), openGrid(side));
    registerEngines("maze128", mazeGrid(128));
    registerEngines("unreachable128", unreachableGrid(128));
    registerEngines("open480", openGrid(HUGE_SIDE), false);
    registerEngines("unreachable480", unreachableGrid(HUGE_SIDE), false);
}

EngineMemory measureEngineMemory() {
    const BenchGrid unreachable = unreachableGrid(HUGE_SIDE);
    const BenchGrid open = openGrid(HUGE_SIDE);
    resetAllocationPeak();
    const AllocationCount before = allocationsSoFar();
    PathSearch engine;
    useBenchGrid(engine, unreachable);
    engine.findPath(unreachable.startX, unreachable.startY, unreachable.goalX, unreachable.goalY);
    const AllocationCount warm = allocationsSoFar();
    for (int32_t i = 0; i < WARM_SEARCHES; ++i) {
        const BenchGrid& grid = i % 2 ? open : unreachable;
        useBenchGrid(engine, grid);
        engine.findPath(grid.startX, grid.startY, grid.goalX, grid.goalY);
    }
    const AllocationCount after = allocationsSoFar();
    return EngineMemory{warm.peakBytes - before.heldBytes,
                        (after.allocations - warm.allocations) / WARM_SEARCHES};
}
