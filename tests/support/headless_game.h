// The library without a display: 16-bit memory bitmaps for the back buffer and
// every picture, so the shell's screens and whole turns run inside a test.
#pragma once

#include <cstdint>

struct BITMAP;

// Once per process; later calls do nothing.
void startHeadlessAllegro();

// A 640 x 480 back buffer and plain pictures of distinct colours, each of
// the size the game reads it with (pointers 16 x 16, title pictures full size).
void makeTestPictures();

// The 16-bit pixel value of a colour, as the game's makecol gives it.
int32_t colour16(int32_t red, int32_t green, int32_t blue);

// Pixel of a bitmap; -1 outside it.
int32_t pixelAt(BITMAP* bitmap, int32_t x, int32_t y);
