// The sizes the game takes from its pictures, checked before any is drawn: a
// picture smaller than the rectangle read from it would crash the first frame
// that shows it. No library here, so the build's asset check can call it too.
#pragma once

#include <cstdint>
#include <string>

constexpr int PICTURE_COUNT = 14;

// The fourteen pictures in the order start-up loads them, each as start-up
// names it (".//Data//Images//tiles.bmp", ...).
extern const char* const picturePaths[PICTURE_COUNT];

struct PictureSize {
    int32_t width;
    int32_t height;
};

// "" when every picture is at least the size the game takes from it; otherwise
// one line naming the first picture that is not, its size and the size it needs.
std::string pictureSizeProblem(const PictureSize sizes[PICTURE_COUNT]);
