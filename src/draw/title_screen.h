// The title menu's picture: the title or instructions picture over the whole
// screen, and the pointer on top. The buttons are part of the title picture.
#pragma once

#include <cstdint>

struct BITMAP;

// The picture whole, stretched one pixel short of the target in each
// direction, as the pictures were made for: the last column and row keep what
// they showed.
void drawMenuPicture(BITMAP* target, BITMAP* picture);
// The pointer picture whole, scaled to the menu's pointer size, its top-left
// corner at the hot spot (x, y).
void drawMenuPointer(BITMAP* target, BITMAP* pointer, int32_t x, int32_t y);
