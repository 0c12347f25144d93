// Runs every benchmark, then prints the ratios the engine and the frame are held to.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "search_benchmarks.h"

namespace {
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
};

void printRatio(const TimeKeeper& times, const char* what, const std::string& numerator,
                const std::string& denominator, const char* goal) {
    const auto top = times.seconds.find(numerator);
    const auto bottom = times.seconds.find(denominator);
    if (top == times.seconds.end() || bottom == times.seconds.end()) {
        std::printf("%-58s not measured\n", what);
        return;
    }
    std::printf("%-58s %10.2f  (%s)\n", what, top->second / bottom->second, goal);
}
} // namespace

int main(int argc, char** argv) {
    registerSearchBenchmarks();
    registerFrameBenchmarks();
    benchmark::Initialize(&argc, argv);
    TimeKeeper times;
    benchmark::RunSpecifiedBenchmarks(&times);
    benchmark::Shutdown();

    std::printf("\n");
    printRatio(times, "128x128 unreachable goal: reference / game",
               "search/unreachable128/reference", "search/unreachable128/game", "at least 100");
    printRatio(times, "128x128 open route: game / textbook binary-heap A*", "search/open128/game",
               "search/open128/textbook", "at most 3");
    printRatio(times, "drawFrame with preview 16x16 / two whole-screen copies", "frame/preview16",
               "frame/two_screen_copies", "at most 3");
    printRatio(times, "drawFrame with preview 120x120, unreachable / two copies",
               "frame/preview120_unreachable", "frame/two_screen_copies", "reported");
    return 0;
}
