// The library's screen holding the game's frame at a whole-number scale, in a
// window or across the desktop, with Alt+Enter to switch between the two and
// a frame pace that leaves the processor alone between frames.
#pragma once

#include <cstdint>

#include "shell/display_options.h"
#include "shell/platform.h"

struct BITMAP;

// Watches the keyboard for Alt+Enter; after the keyboard is installed.
void watchForScreenSwitch();
bool openScaledScreen(const DisplayOptions& options, int32_t depth);
// Kept so a new screen after a switch gets them again.
void setScaledWindowTitle(const char* title);
void setScaledCloseHandler(CloseHandler handler);

BITMAP* newFrameBuffer();
void presentScaled(BITMAP* frame);
int32_t framePointerX();
int32_t framePointerY();
// Switches the screen when asked, then waits for the next frame's turn.
void awaitNextFrame();
// Before the library shuts down.
void closeScaledScreen();
