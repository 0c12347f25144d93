// The roster panel left of the map, the title, the notice line and the band.
#pragma once

#include <cstdint>

// The pointer is handed in by the caller (the live one, not the pass's); the
// panel reads no input itself.
void drawSidePanel(int32_t pointerX, int32_t pointerY);

// The part of the frame the panel and the band leave to the map, as pixel
// bounds, right and bottom included; empty when right < left or bottom < top.
// Whatever is drawn outside it before the panel is painted over.
struct FrameBox {
    int32_t left, top, right, bottom;
};
FrameBox mapArea();
