// One whole frame: lets the turn logic act once, composes the picture in
// backBuffer and presents it.
#pragma once

#include <cstdint>

struct BITMAP;

void drawFrame(int32_t mouseX, int32_t mouseY);

// How a finished frame reaches the screen; installed by the shell. Null presents nothing.
using FramePresenter = void (*)(BITMAP* frame);
void setFramePresenter(FramePresenter presenter);
