#include "draw/path_preview.h"

#include <allegro.h>

#include "draw/cell_geometry.h"
#include "draw/colours.h"
#include "draw/pictures.h"
#include "draw/wide_pixels.h"
#include "path/movement_rules.h"
#include "path/route_search.h"
#include "world/game_state.h"
#include "world/settings.h"

namespace {
// Clears an occupancy mark for the length of one search and puts it back after.
class LiftedMark {
  public:
    explicit LiftedMark(int32_t index) : mark(occupancy[index]), lifted(mark == 1) {
        if (lifted)
            mark = 0;
    }
    ~LiftedMark() {
        if (lifted)
            mark = 1;
    }
    LiftedMark(const LiftedMark&) = delete;
    LiftedMark& operator=(const LiftedMark&) = delete;

  private:
    int32_t& mark;
    bool lifted;
};

// Searched from the hovered cell to the unit, with the same rules a move walks by.
// Both ends are freed first: the unit's own mark would refuse the goal.
RouteSteps routeToUnit(const Unit& unit, int32_t hoverX, int32_t hoverY) {
    const LiftedMark hovered(cellIndex(hoverX, hoverY));
    const LiftedMark own(cellIndex(unit.x, unit.y));
    return routeSteps(pathSearch, Cell{hoverX, hoverY}, cellOf(unit));
}

void drawFrameAround(int64_t left, int64_t top, Rgb colour) {
    const int64_t right = left + exactTileWidth();
    const int64_t bottom = top + exactTileHeight();
    const int32_t pixel = pixelOf(colour);
    rect(backBuffer, onCanvas(left + 1), onCanvas(top + 1), onCanvas(right - 1),
         onCanvas(bottom - 1), pixel);
    rect(backBuffer, onCanvas(left + 2), onCanvas(top + 2), onCanvas(right - 2),
         onCanvas(bottom - 2), pixel);
}
} // namespace

void drawPathPreview(int32_t hoverX, int32_t hoverY) {
    const Unit& unit = currentUnit();
    const RouteSteps route = routeToUnit(unit, hoverX, hoverY);
    const bool reachable = route.found && route.steps <= unit.actionPoints;
    const int64_t left = cellLeft(hoverX);
    const int64_t top = cellTop(hoverY);
    textprintf_centre(backBuffer, font, onCanvas(left + exactTileWidth() / 2),
                      onCanvas(top + exactTileHeight() / 2), pixelOf(WHITE), "%d", route.steps);
    drawFrameAround(left, top, reachable ? GREEN : RED);
}
