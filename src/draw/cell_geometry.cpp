#include "draw/cell_geometry.h"

#include "world/game_state.h"
#include "world/settings.h"

int64_t cellLeft(int32_t x) {
    return panelWidth + x * exactTileWidth();
}
int64_t cellTop(int32_t y) {
    return y * exactTileHeight();
}
int64_t cellCentreX(int32_t x) {
    return cellLeft(x) + exactTileWidth() / 2;
}
int64_t cellCentreY(int32_t y) {
    return cellTop(y) + exactTileHeight() / 2;
}

namespace {
bool insideMapArea(int32_t pointerX, int32_t pointerY) {
    return pointerX > panelWidth && pointerY >= 0 &&
           pointerY < int64_t{SCREEN_HEIGHT} - bandHeight;
}
} // namespace

HoveredCell hoveredCell(int32_t pointerX, int32_t pointerY) {
    const int64_t width = exactTileWidth();
    const int64_t height = exactTileHeight();
    // A map too large for the screen has tiles of size 0 and no cell under any pixel.
    if (width <= 0 || height <= 0 || !insideMapArea(pointerX, pointerY))
        return HoveredCell{0, 0, false};
    const int64_t hoverX = (int64_t{pointerX} - panelWidth) / width;
    const int64_t hoverY = pointerY / height;
    if (hoverX >= mapWidth || hoverY >= mapHeight)
        return HoveredCell{0, 0, false};
    return HoveredCell{static_cast<int32_t>(hoverX), static_cast<int32_t>(hoverY), true};
}
