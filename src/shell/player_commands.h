// The player's three commands, carried out for the soldier whose turn it is.
#pragma once

#include <cstdint>

class TurnLockHold;

// A press has been acted upon and the buttons have not been seen released since.
extern bool buttonHeld;

constexpr int32_t BUTTON_LEFT = 1;
constexpr int32_t BUTTON_RIGHT = 2;

// Looks at the buttons once and carries out a new press at the pointer.
// lastStep receives the result of the last step when the press was a move.
// A move waits for its ticks through hold.
void handlePress(TurnLockHold& hold, int32_t buttons, int32_t mouseX, int32_t mouseY,
                 int32_t& lastStep);

// The map cell under a pixel; false when the pixel names none (panel, band,
// the strips right of and below the last cell).
bool cellAtPixel(int32_t x, int32_t y, int32_t& cellX, int32_t& cellY);
