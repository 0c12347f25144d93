// How the player asked for the game to be shown: the command line's only words.
#pragma once

#include <cstdint>

constexpr int32_t LARGEST_SCALE = 4;
constexpr int32_t FITTING_SCALE = 0; // the largest scale the desktop holds

struct DisplayOptions {
    bool fullScreen = false;
    int32_t scale = FITTING_SCALE; // or 1 to LARGEST_SCALE
};

// The one line a bad command line earns, on standard error.
extern const char* const DISPLAY_USAGE;

// Reads --scale N, --windowed and --fullscreen over the build's own choice,
// which options holds on entry. False on any other word or a scale outside 1-4.
bool parseDisplayOptions(int argc, const char* const* argv, DisplayOptions& options);
