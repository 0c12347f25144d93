#include "draw/map_background.h"

#include <allegro.h>

#include "draw/cell_geometry.h"
#include "draw/colours.h"
#include "draw/picture_table.h"
#include "draw/pictures.h"
#include "draw/sprite.h"
#include "draw/wide_pixels.h"
#include "world/cell_table.h"
#include "world/game_state.h"
#include "world/settings.h"

namespace {
struct TilePicture {
    BITMAP* picture;
    int32_t sourceSize; // square, from the picture's top-left corner
};

// A picture read whole is shown as a square of its width.
TilePicture tileOf(const PictureRow& row) {
    BITMAP* picture = *row.global;
    switch (row.need) {
    case PictureNeed::WALL_CORNER:
        return TilePicture{picture, WALL_CORNER_SIDE};
    case PictureNeed::DOOR_CORNER:
        return TilePicture{picture, DOOR_CORNER_SIDE};
    default:
        return TilePicture{picture, picture ? picture->w : 0};
    }
}

// Cells without a picture stay black: medkits are drawn per frame while they
// lie there. The last floor's exit is the goal.
TilePicture pictureFor(int32_t code) {
    const char* file = code == CELL_EXIT && floorNumber >= floorCount
                           ? "diamond.bmp"
                           : cellKind(code).picture;
    const PictureRow* row = file ? pictureRowOf(file) : nullptr;
    return row ? tileOf(*row) : TilePicture{nullptr, 0};
}
} // namespace

void drawMapBackground() {
    TilePicture tiles[CELL_CODE_MAX + 1];
    for (int32_t code = 0; code <= CELL_CODE_MAX; ++code)
        tiles[code] = pictureFor(code);
    clear_to_color(mapBackground, pixelOf(BLACK));
    Rect source{0, 0, 0, 0};
    Rect destination{};
    for (int32_t x = 0; x < mapWidth; ++x) {
        for (int32_t y = 0; y < mapHeight; ++y) {
            const int32_t code = mapCells[cellIndex(x, y)];
            const TilePicture tile = code >= 0 && code <= CELL_CODE_MAX ? tiles[code]
                                                                        : TilePicture{nullptr, 0};
            // One pixel in from the cell origin, so the panel border and row 0 stay clear.
            if (!tile.picture || !exactRect(cellLeft(x) + 1, cellTop(y) + 1, exactTileWidth(),
                                            exactTileHeight(), destination))
                continue;
            source.w = source.h = tile.sourceSize;
            drawSprite(tile.picture, mapBackground, &source, &destination);
        }
    }
}
