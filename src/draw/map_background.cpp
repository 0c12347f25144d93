#include "draw/map_background.h"

#include <allegro.h>

#include "draw/cell_geometry.h"
#include "draw/colours.h"
#include "draw/pictures.h"
#include "draw/sprite.h"
#include "draw/wide_pixels.h"
#include "world/game_state.h"
#include "world/settings.h"

namespace {
// Only the top-left corner of these pictures is shown, whatever their file size.
constexpr int32_t WALL_SOURCE_SIZE = 16;
constexpr int32_t DOOR_SOURCE_SIZE = 64;

struct TilePicture {
    BITMAP* picture;
    int32_t sourceSize; // square, from the picture's top-left corner
};

TilePicture exitPicture() {
    if (floorNumber < floorCount)
        return TilePicture{doorBmp, DOOR_SOURCE_SIZE};
    // The goal on the last floor; its width serves as its height too.
    return TilePicture{diamondBmp, diamondBmp->w};
}

// Floor and medkit cells stay black: medkits are drawn per frame while they lie there.
TilePicture pictureFor(int32_t code) {
    switch (code) {
    case CELL_WALL2:
        return TilePicture{wall2Bmp, WALL_SOURCE_SIZE};
    case CELL_WALL:
        return TilePicture{wallBmp, WALL_SOURCE_SIZE};
    case CELL_EXIT:
        return exitPicture();
    }
    return TilePicture{nullptr, 0};
}
} // namespace

void drawMapBackground() {
    clear_to_color(mapBackground, pixelOf(BLACK));
    Rect source{0, 0, 0, 0};
    Rect destination{};
    for (int32_t x = 0; x < mapWidth; ++x) {
        for (int32_t y = 0; y < mapHeight; ++y) {
            const TilePicture tile = pictureFor(mapCells[cellIndex(x, y)]);
            // One pixel in from the cell origin, so the panel border and row 0 stay clear.
            if (!tile.picture || !exactRect(cellLeft(x) + 1, cellTop(y) + 1, exactTileWidth(),
                                            exactTileHeight(), destination))
                continue;
            source.w = source.h = tile.sourceSize;
            drawSprite(tile.picture, mapBackground, &source, &destination);
        }
    }
}
