// The roster panel left of the map, the title, the notice line and the band.
#pragma once

#include <cstdint>

// The pointer is handed in by the caller (the live one, not the pass's); the
// panel reads no input itself.
void drawSidePanel(int32_t pointerX, int32_t pointerY);
