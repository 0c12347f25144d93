#include "draw/cell_geometry.h"

#include "world/game_state.h"
#include "world/settings.h"

int32_t cellLeft(int32_t x) {
    return panelWidth + x * tileWidth();
}
int32_t cellTop(int32_t y) {
    return y * tileHeight();
}

namespace {
bool insideMapArea(int32_t pointerX, int32_t pointerY) {
    return pointerX > panelWidth && pointerY >= 0 && pointerY < SCREEN_HEIGHT - bandHeight;
}
} // namespace

HoveredCell hoveredCell(int32_t pointerX, int32_t pointerY) {
    const int32_t width = tileWidth();
    const int32_t height = tileHeight();
    // A map too large for the screen has tiles of size 0 and no cell under any pixel.
    if (width <= 0 || height <= 0 || !insideMapArea(pointerX, pointerY))
        return HoveredCell{0, 0, false};
    const int32_t hoverX = (pointerX - panelWidth) / width;
    const int32_t hoverY = pointerY / height;
    return HoveredCell{hoverX, hoverY, insideMap(hoverX, hoverY)};
}
