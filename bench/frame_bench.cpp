// A whole frame with the path preview running, headless, against the two
// whole-screen copies every frame makes anyway: the map canvas into the back
// buffer and the back buffer onto the screen (a memory bitmap stands in).
#include <allegro.h>
#include <benchmark/benchmark.h>

#include "bench_floor.h"
#include "draw/frame.h"
#include "draw/pictures.h"
#include "path/path_search.h"
#include "search_benchmarks.h"
#include "support/test_bitmaps.h"

namespace {
BITMAP* screenStandIn = nullptr;

void presentOnStandIn(BITMAP* frame) {
    acquire_bitmap(screenStandIn);
    blit(frame, screenStandIn, 0, 0, 0, 0, screenStandIn->w, screenStandIn->h);
    release_bitmap(screenStandIn);
}

void startDrawing() {
    if (screenStandIn)
        return;
    createTestPictures();
    screenStandIn = create_bitmap(backBuffer->w, backBuffer->h);
    setFramePresenter(presentOnStandIn);
}

void twoScreenCopies(benchmark::State& state) {
    startDrawing();
    for (auto _ : state) {
        blit(mapBackground, backBuffer, 0, 0, 0, 0, backBuffer->w, backBuffer->h);
        presentOnStandIn(backBuffer);
        benchmark::ClobberMemory();
    }
}

void frameOver(benchmark::State& state, BenchFloor floor) {
    startDrawing();
    const Pointer pointer = setUpFloor(floor);
    for (auto _ : state) {
        drawFrame(pointer.x, pointer.y);
        benchmark::ClobberMemory();
    }
    // The preview's search is the frame's last: its result says it ran.
    state.SetLabel(pathSearch.bestNode() ? "route found" : "no route");
}

// The pointer moves to the next cell every frame, so no frame can use the one
// before it: each one searches the whole map.
void movingFrameOver(benchmark::State& state, BenchFloor floor) {
    startDrawing();
    const Pointer pointer = setUpFloor(floor);
    const Pointer beside{pointer.x - 1, pointer.y};
    bool there = false;
    for (auto _ : state) {
        const Pointer& at = there ? beside : pointer;
        drawFrame(at.x, at.y);
        there = !there;
        benchmark::ClobberMemory();
    }
    state.SetLabel(pathSearch.bestNode() ? "route found" : "no route");
}
} // namespace

void registerFrameBenchmarks() {
    benchmark::RegisterBenchmark("frame/two_screen_copies", twoScreenCopies)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("frame/preview16", frameOver, BenchFloor::SMALL)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("frame/preview120_reachable", frameOver,
                                 BenchFloor::LARGE_REACHABLE)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("frame/preview120_unreachable", frameOver,
                                 BenchFloor::LARGE_UNREACHABLE)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("frame/preview480_unreachable", movingFrameOver,
                                 BenchFloor::HUGE_UNREACHABLE)
        ->Unit(benchmark::kMillisecond);
}
