// The three engines on the same grids: the reference, the game's and the textbook one.
#include <benchmark/benchmark.h>

#include <string>

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

void registerEngines(const std::string& layout, const BenchGrid& grid) {
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
}
