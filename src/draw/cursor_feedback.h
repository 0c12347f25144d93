// The game's own pointer: what a click on the cell under it would do.
#pragma once

#include <cstdint>

void drawCursorFeedback(int32_t pointerX, int32_t pointerY);
