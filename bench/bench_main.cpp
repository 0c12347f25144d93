// Runs every benchmark, then prints each figure the engine and the frame are
// held to beside its goal.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "search_benchmarks.h"

namespace {
constexpr double MILLISECONDS = 1e3;
constexpr double MEGABYTE = 1024.0 * 1024.0;
// One frame of a 60 Hz display.
constexpr double FRAME_MS = 16.7;

// Keeps each benchmark's processor time per iteration while printing as usual: other
// work on the machine then disturbs the ratios less than with wall-clock time.
class TimeKeeper : public benchmark::ConsoleReporter {
  public:
    std::map<std::string, double> seconds;

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            seconds[run.benchmark_name()] =
                run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        ConsoleReporter::ReportRuns(runs);
    }

    bool has(const std::string& name) const { return seconds.count(name) != 0; }
    double of(const std::string& name) const { return seconds.at(name); }
};

const char* verdict(bool met) {
    return met ? "met" : "MISSED";
}

enum class Goal { AT_LEAST, AT_MOST };

void printRatio(const TimeKeeper& times, const char* what, const std::string& numerator,
                const std::string& denominator, Goal goal, double bound) {
    if (!times.has(numerator) || !times.has(denominator)) {
        std::printf("%-62s not measured\n", what);
        return;
    }
    const double ratio = times.of(numerator) / times.of(denominator);
    const bool met = goal == Goal::AT_LEAST ? ratio >= bound : ratio <= bound;
    std::printf("%-62s %9.2f  (goal %s %.1f: %s)\n", what, ratio,
                goal == Goal::AT_LEAST ? "at least" : "at most", bound, verdict(met));
}

void printFrameTime(const TimeKeeper& times, const char* what, const std::string& name) {
    const std::string copies = "frame/two_screen_copies";
    if (!times.has(name) || !times.has(copies)) {
        std::printf("%-62s not measured\n", what);
        return;
    }
    const double ms = times.of(name) * MILLISECONDS;
    std::printf("%-62s %6.2f ms  (goal under %.1f ms: %s; two copies %.3f ms)\n", what, ms,
                FRAME_MS, verdict(ms < FRAME_MS), times.of(copies) * MILLISECONDS);
}
} // namespace

int main(int argc, char** argv) {
    registerSearchBenchmarks();
    registerFrameBenchmarks();
    registerTurnBenchmarks();
    benchmark::Initialize(&argc, argv);
    TimeKeeper times;
    benchmark::RunSpecifiedBenchmarks(&times);
    benchmark::Shutdown();

    std::printf("\n");
    printRatio(times, "128x128 unreachable goal: plain engine / game's engine",
               "search/unreachable128/reference", "search/unreachable128/game", Goal::AT_LEAST,
               500);
    printRatio(times, "128x128 open route: game's engine / textbook binary-heap A*",
               "search/open128/game", "search/open128/textbook", Goal::AT_MOST, 1.0);
    printRatio(times, "drawFrame with preview 16x16 / two whole-screen copies", "frame/preview16",
               "frame/two_screen_copies", Goal::AT_MOST, 1.5);
    printFrameTime(times, "480x480 worst preview frame (pointer on an unreachable cell)",
                   "frame/preview480_unreachable");
    printFrameTime(times, "480x480 worst enemy action (its target walled in)",
                   "turn/enemy480_unreachable");
    const EngineMemory memory = measureEngineMemory();
    std::printf("%-62s %6.1f MB  (reported)\n", "480x480 search: the engine's peak memory",
                memory.peakBytes / MEGABYTE);
    std::printf("%-62s %9lld  (goal 0: %s)\n", "allocations per search once warmed",
                static_cast<long long>(memory.allocationsPerSearch),
                verdict(memory.allocationsPerSearch == 0));
    return 0;
}
