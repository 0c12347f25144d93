// The sizes the game takes from its pictures, checked before any is drawn: a
// picture smaller than the rectangle read from it would crash the first frame
// that shows it. No library here, so the build's asset check can call it too.
#pragma once

#include <cstdint>
#include <string>

#include "draw/picture_table.h"

struct PictureSize {
    int32_t width;
    int32_t height;
};

// "" when every picture is at least the size the game takes from it; otherwise
// one line naming the first picture that is not, its size and the size it
// needs. sizes follows the picture table's order.
std::string pictureSizeProblem(const PictureSize sizes[PICTURE_COUNT]);
