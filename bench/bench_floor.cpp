#include "bench_floor.h"

#include "draw/map_background.h"
#include "path/path_search.h"
#include "support/test_floor.h"
#include "world/floor_loading.h"
#include "world/game_state.h"
#include "world/settings.h"

namespace {
constexpr int32_t SMALL_SIDE = 16;
constexpr int32_t LARGE_SIDE = 120;
constexpr int32_t HUGE_SIDE = 480;

void emptyFloor(int32_t side) {
    buildFloor({"."});
    mapWidth = mapHeight = side;
    mapCells.assign(static_cast<size_t>(side) * side, CELL_FLOOR);
    occupancy.assign(mapCells.size(), 0);
}

void wallRing(int32_t cx, int32_t cy) {
    for (int32_t dx = -1; dx <= 1; ++dx)
        for (int32_t dy = -1; dy <= 1; ++dy)
            if (dx || dy)
                mapCells[cellIndex(cx + dx, cy + dy)] = CELL_WALL;
}

// A few walls, cover and medkits so the frame has a little of everything.
void furnish(int32_t side) {
    for (int32_t y = 2; y < side - 2; ++y)
        mapCells[cellIndex(side / 2, y)] = CELL_WALL;
    mapCells[cellIndex(side / 3, side / 3)] = CELL_WALL2;
    mapCells[cellIndex(side - 2, side - 2)] = CELL_EXIT;
    addMedkit(side / 4, side - 3);
    addMedkit(side - 3, 1);
}

int32_t sideOf(BenchFloor floor) {
    switch (floor) {
    case BenchFloor::SMALL:
        return SMALL_SIDE;
    case BenchFloor::HUGE_UNREACHABLE:
        return HUGE_SIDE;
    default:
        return LARGE_SIDE;
    }
}

void useGameSettings(BenchFloor floor) {
    panelWidth = 160;
    bandHeight = floor == BenchFloor::HUGE_UNREACHABLE ? 0 : 32;
    rosterTop = 40;
    rosterRowHeight = 60;
    highlightColor = 0x7BEF;
}

void finishLoading() {
    configurePathSearch(pathSearch, mapWidth);
    drawMapBackground();
    turnState = TURN_AWAIT_PLAYER;
}

Pointer pointerOver(int32_t x, int32_t y) {
    return Pointer{panelWidth + x * tileWidth() + tileWidth() / 2,
                   y * tileHeight() + tileHeight() / 2};
}
} // namespace

Pointer setUpFloor(BenchFloor floor) {
    useGameSettings(floor);
    const int32_t side = sideOf(floor);
    emptyFloor(side);
    furnish(side);
    if (floor == BenchFloor::LARGE_UNREACHABLE || floor == BenchFloor::HUGE_UNREACHABLE)
        wallRing(2, 2);
    addUnit(SIDE_SQUAD, 2, 2);
    addUnit(SIDE_ENEMY, side - 3, side / 2);
    finishLoading();
    return pointerOver(side - 4, side - 4);
}
