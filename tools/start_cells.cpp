#include "start_cells.h"

#include "world/unit_generation.h"

namespace {
std::vector<CellPos> startCells(const FloorPlan& plan, int32_t side, int32_t first, int32_t end) {
    std::vector<CellPos> cells;
    for (int32_t i = first; i < end; ++i) {
        const Cell cell = startCell(i, playedSquadSize(plan), side);
        cells.push_back({cell.x, cell.y});
    }
    return cells;
}
} // namespace

std::vector<CellPos> squadStartCells(const FloorPlan& plan, int32_t side) {
    return startCells(plan, side, 0, playedSquadSize(plan));
}

std::vector<CellPos> enemyStartCells(const FloorPlan& plan, int32_t side) {
    return startCells(plan, side, playedSquadSize(plan), plan.unitCount);
}
