// What a fuzz target does when the game breaks a promise: say which, and stop
// so that libFuzzer keeps the input that did it.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

[[noreturn]] inline void fuzzFailure(const std::string& what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what.c_str());
    std::abort();
}

inline void requireThat(bool holds, const std::string& what) {
    if (!holds)
        fuzzFailure(what);
}
