#include "start_cells.h"

#include "world/unit_generation.h"

std::vector<CellPos> squadStartCells(const FloorPlan& plan) {
    std::vector<CellPos> cells;
    for (int32_t i = 0; i < playedSquadSize(plan); ++i)
        cells.push_back({SQUAD_START_COLUMN, i + 1});
    return cells;
}

std::vector<CellPos> enemyStartCells(const FloorPlan& plan, int32_t side) {
    std::vector<CellPos> cells;
    for (int32_t i = 0; i < plan.unitCount - playedSquadSize(plan); ++i)
        cells.push_back({side - 1, side - 1 - i});
    return cells;
}
