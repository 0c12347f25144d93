// Registration of each group of benchmarks, called from the benchmark main.
#pragma once

void registerSearchBenchmarks();
void registerFrameBenchmarks();
