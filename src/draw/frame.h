// One whole frame: lets the turn logic act once, then paints the game as it
// then stands.
#pragma once

#include <cstdint>

struct BITMAP;

// The pointer position is the one the pass sampled; the cursor feedback shows
// it, while the panel's health bar follows the live pointer.
void drawFrame(int32_t mouseX, int32_t mouseY);

// Composes the picture in backBuffer and presents it, changing nothing of the
// game. With no backBuffer (a player that needs no picture) it paints nothing.
void paintFrame(int32_t mouseX, int32_t mouseY);

// How a finished frame reaches the screen; installed by the shell. Null presents nothing.
using FramePresenter = void (*)(BITMAP* frame);
void setFramePresenter(FramePresenter presenter);

// Where the pointer is now; installed by the shell. Null: the pass's position.
struct ScreenPoint {
    int32_t x;
    int32_t y;
};
using PointerReader = ScreenPoint (*)();
void setPointerReader(PointerReader reader);
