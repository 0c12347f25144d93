#include "search_benchmarks.h"

// The frame benchmarks need the drawing code, which has not landed yet.
void registerFrameBenchmarks() {}
