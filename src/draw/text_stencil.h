// Text over whatever lies below, pixel for pixel as textprintf draws it with
// the transparent text mode. The pixels a string sets are found once, by the
// library's own drawing, and written straight into the rows from then on:
// the side panel draws the same few dozen strings every frame.
#pragma once

#include <cstdint>

struct BITMAP;

void drawKnownText(BITMAP* target, int32_t x, int32_t y, int32_t pixel, const char* text);
