#include "draw/cursor_feedback.h"

#include <allegro.h>

#include "draw/cell_geometry.h"
#include "draw/path_preview.h"
#include "draw/pictures.h"
#include "draw/sprite.h"
#include "path/movement_rules.h"
#include "world/cell_occupants.h"
#include "world/game_state.h"

namespace {
// Every pointer picture lands in a box of the no-walk picture's size. Only the
// target picture is read whole; the wait picture is read at that size too.
void drawPointer(BITMAP* picture, int32_t pointerX, int32_t pointerY) {
    const bool wholePicture = picture == targetBmp;
    const Rect source{0, 0, wholePicture ? picture->w : nowalkBmp->w,
                      wholePicture ? picture->h : nowalkBmp->h};
    const Rect destination{pointerX, pointerY, nowalkBmp->w, nowalkBmp->h};
    drawSprite(picture, backBuffer, &source, &destination);
}

bool inSight(const HoveredCell& hover) {
    const Unit& unit = currentUnit();
    return sightTest(pathSearch, Cell{unit.x, unit.y}, Cell{hover.hoverX, hover.hoverY});
}

// Null when the cell gets the path preview instead of a picture. Cover is no
// wall here: the search decides whether it can be walked.
BITMAP* pointerPictureFor(const HoveredCell& hover) {
    const int32_t index = cellIndex(hover.hoverX, hover.hoverY);
    const int32_t code = mapCells[index];
    if (code == CELL_WALL)
        return nowalkBmp;
    // An occupied exit is still somewhere to walk.
    if (heldByAUnit(index))
        return inSight(hover) ? targetBmp : nowalkBmp;
    return nullptr;
}
} // namespace

void drawCursorFeedback(int32_t pointerX, int32_t pointerY) {
    const HoveredCell hover = hoveredCell(pointerX, pointerY);
    if (turnState != TURN_AWAIT_PLAYER || !hover.onGrid) {
        drawPointer(waitBmp, pointerX, pointerY);
        return;
    }
    BITMAP* picture = pointerPictureFor(hover);
    if (picture)
        drawPointer(picture, pointerX, pointerY);
    else
        drawPathPreview(hover.hoverX, hover.hoverY);
}
