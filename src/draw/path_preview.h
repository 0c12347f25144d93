// What a walk to the hovered cell would take: its number of steps, framed green
// when the current unit has the action points for it and red when it has not.
#pragma once

#include <cstdint>

void drawPathPreview(int32_t hoverX, int32_t hoverY);
