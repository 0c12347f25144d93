// The enemy's action at its dearest: pursuing a soldier walled in on the
// largest map, so its one search closes every cell it can reach.
#include <benchmark/benchmark.h>

#include "bench_floor.h"
#include "combat/turn_step.h"
#include "path/path_search.h"
#include "search_benchmarks.h"
#include "world/game_state.h"

namespace {
// The enemy's turn, with a tick arrived and the soldier as its target.
void enemyToAct() {
    Unit& enemy = units[BENCH_ENEMY];
    enemy.alerted = 1;
    enemy.targetIndex = BENCH_SOLDIER;
    enemy.actionPoints = enemy.speed;
    turnSlot = BENCH_ENEMY;
    turnState = TURN_NEXT;
    tickPending = true;
}

void pursuitOfAWalledInSoldier(benchmark::State& state) {
    setUpFloor(BenchFloor::HUGE_UNREACHABLE);
    for (auto _ : state) {
        state.PauseTiming();
        enemyToAct();
        state.ResumeTiming();
        stepTurnLogic(pathSearch);
        benchmark::ClobberMemory();
    }
    state.SetLabel(pathSearch.bestNode() ? "route found" : "no route");
}
} // namespace

void registerTurnBenchmarks() {
    benchmark::RegisterBenchmark("turn/enemy480_unreachable", pursuitOfAWalledInSoldier)
        ->Unit(benchmark::kMillisecond);
}
