// The screen between two floors.
#pragma once

struct BITMAP;

// Clears canvas to black and writes "Entering Next Floor ..." in white,
// centred on the middle of the 640 x 480 screen. No canvas, no picture.
void drawTransitionScreen(BITMAP* canvas);
