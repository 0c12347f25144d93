// Where the game's 640 x 480 frame goes on the player's screen: a whole-number
// scale, so every game pixel is a square block, and a black border around it.
#pragma once

#include <cstdint>

#include "shell/display_options.h"

struct FramePlacement {
    int32_t screenWidth;  // the window, or the whole desktop in full screen
    int32_t screenHeight;
    int32_t scale;        // each game pixel is scale x scale screen pixels
    int32_t left;         // the frame's top-left screen pixel
    int32_t top;
};

// The largest scale from 1 to 4 whose window fits inside 90 % of the desktop.
int32_t windowScale(int32_t desktopWidth, int32_t desktopHeight);

// The screen to ask for, and the frame's place on it. A desktop of unknown
// size (0 or less) is taken as one the frame just fills. Full screen is the
// desktop's own size with the frame centred; a scale the player asked for is
// honoured in a window and held to what fits in full screen.
FramePlacement placeFrame(const DisplayOptions& options, int32_t desktopWidth,
                          int32_t desktopHeight);

// The game pixel under a screen pixel; the border counts as the nearest edge.
int32_t frameX(const FramePlacement& placement, int32_t screenX);
int32_t frameY(const FramePlacement& placement, int32_t screenY);
