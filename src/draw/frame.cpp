#include "draw/frame.h"

#include <allegro.h>

#include "combat/turn_step.h"
#include "draw/cell_geometry.h"
#include "draw/colours.h"
#include "draw/cursor_feedback.h"
#include "draw/notice_line.h"
#include "draw/pictures.h"
#include "draw/side_panel.h"
#include "draw/solid_fill.h"
#include "draw/sprite.h"
#include "draw/wide_pixels.h"
#include "path/movement_rules.h"
#include "world/game_state.h"
#include "world/settings.h"

namespace {
FramePresenter presenter = nullptr;
PointerReader pointerReader = nullptr;

// The highlight lies under the sprite and shows through its transparent parts.
void drawHighlight(int64_t left, int64_t top) {
    const int64_t halfWidth = exactTileWidth() / 2;
    const int64_t halfHeight = exactTileHeight() / 2;
    const int64_t cx = left + halfWidth;
    const int64_t cy = top + halfHeight;
    fillBox(backBuffer, onCanvas(cx - halfWidth + 1), onCanvas(cy - halfHeight + 1),
             onCanvas(cx + halfWidth - 1), onCanvas(cy + halfHeight), highlightColor);
}

// Both pictures are read at the size of the squad's.
void drawUnit(const Unit& unit, bool current) {
    const int64_t left = cellLeft(unit.x);
    const int64_t top = cellTop(unit.y);
    if (current)
        drawHighlight(left, top);
    const Rect source{0, 0, playerBmp->w, playerBmp->h};
    Rect destination{};
    if (exactRect(left, top, exactTileWidth(), exactTileHeight(), destination))
        drawSprite(unit.side == SIDE_SQUAD ? playerBmp : player2Bmp, backBuffer, &source,
                   &destination);
}

void drawUnits() {
    acquire_bitmap(backBuffer);
    for (int32_t i = 0; i < unitCount; ++i) {
        const Unit& unit = units[i];
        if (unit.health > 0 && unit.onFloor)
            drawUnit(unit, i == currentUnitIndex());
    }
    release_bitmap(backBuffer);
}

// Shown whatever the turn, over the unit shot last, until the display ends.
void drawDamageNumber() {
    if (!shotOnDisplay())
        return;
    const Unit& target = units[shotTarget];
    textprintf_centre(backBuffer, font, onCanvas(cellLeft(target.x) + exactTileWidth() / 2),
                      onCanvas(cellTop(target.y) + exactTileHeight() / 2), pixelOf(WHITE), "%d",
                      shotDamage);
}

void drawMedkits() {
    const Rect source{0, 0, medkitBmp->w, medkitBmp->h};
    Rect destination{};
    for (int32_t i = 0; i < medkitCount; ++i) {
        if (medkits[i].active == 1 &&
            exactRect(cellLeft(medkits[i].x) + 1, cellTop(medkits[i].y) + 1, exactTileWidth(),
                      exactTileHeight(), destination))
            drawSprite(medkitBmp, backBuffer, &source, &destination);
    }
}
} // namespace

void drawFrame(int32_t mouseX, int32_t mouseY) {
    stepTurnLogic(pathSearch);
    paintFrame(mouseX, mouseY);
}

void paintFrame(int32_t mouseX, int32_t mouseY) {
    if (!backBuffer)
        return;
    // A background smaller than the frame (tiles.bmp may be any size) leaves
    // the rest black; one that covers it all is all there is to clear.
    if (mapBackground->w < backBuffer->w || mapBackground->h < backBuffer->h)
        clear_bitmap(backBuffer);
    // The panel and the band are painted whole below: only the map is copied.
    const bool screenSized = backBuffer->w == SCREEN_WIDTH && backBuffer->h == SCREEN_HEIGHT;
    const FrameBox map = screenSized ? mapArea() : FrameBox{0, 0, backBuffer->w - 1, backBuffer->h - 1};
    if (map.left <= map.right && map.top <= map.bottom)
        blit(mapBackground, backBuffer, map.left, map.top, map.left, map.top,
             map.right - map.left + 1, map.bottom - map.top + 1);
    drawUnits();
    const ScreenPoint live = pointerReader ? pointerReader() : ScreenPoint{mouseX, mouseY};
    drawSidePanel(live.x, live.y);
    drawCursorFeedback(mouseX, mouseY);
    drawDamageNumber();
    // Last, over units, pointer and number: a medkit stays visible wherever it lies.
    drawMedkits();
    if (presenter)
        presenter(backBuffer);
}

void setFramePresenter(FramePresenter framePresenter) {
    presenter = framePresenter;
}

void setPointerReader(PointerReader reader) {
    pointerReader = reader;
}
