#include "world/floor_checks.h"

#include "world/cell_table.h"
#include "world/game_state.h"
#include "world/settings.h"
#include "world/unit_generation.h"

namespace {
std::string text(int32_t value) {
    return std::to_string(value);
}

std::string checkSize(const MapGrid& grid) {
    if (grid.width <= 0 || grid.height <= 0)
        return "has a non-positive size (" + text(grid.width) + " x " + text(grid.height) + ")";
    if (grid.cells.size() != static_cast<size_t>(grid.width) * grid.height)
        return "has a cell block that does not match its size";
    if (grid.width != grid.height)
        return "is " + text(grid.width) + " wide and " + text(grid.height) +
               " high, floors are square";
    return "";
}

std::string checkCodes(const MapGrid& grid) {
    for (int32_t y = 0; y < grid.height; ++y)
        for (int32_t x = 0; x < grid.width; ++x) {
            const int32_t code = grid.cells[static_cast<size_t>(y) * grid.width + x];
            if (code < CELL_FLOOR || code > CELL_CODE_MAX)
                return "holds the unknown cell code " + text(code) + " at " + cellPosition(x, y);
        }
    return "";
}

std::string checkCounts(const FloorPlan& plan) {
    if (plan.unitCount < 0)
        return "is listed with a negative unit count (" + text(plan.unitCount) + ")";
    if (plan.squadSize < 0)
        return "is listed with a negative squad size (" + text(plan.squadSize) + ")";
    if (plan.medkitCount < 0)
        return "is listed with a negative medkit count (" + text(plan.medkitCount) + ")";
    // Every frame asks for the acting unit, so a floor needs at least one.
    if (plan.unitCount == 0)
        return "is listed with no units";
    if (playedSquadSize(plan) > plan.unitCount)
        return "is listed with a squad of " + text(playedSquadSize(plan)) + " but only " +
               text(plan.unitCount) + " units";
    return "";
}

bool onGrid(Cell cell, const MapGrid& grid) {
    return cell.x >= 0 && cell.x < grid.width && cell.y >= 0 && cell.y < grid.height;
}

// Every start cell must exist; the first and last of each side are the far ones.
std::string checkStartCells(const FloorPlan& plan, const MapGrid& grid) {
    const int32_t squad = playedSquadSize(plan);
    const Cell firstSoldier = startCell(0, squad, grid.width);
    const Cell lastSoldier = startCell(squad - 1, squad, grid.width);
    if (squad > 0 && !onGrid(lastSoldier, grid))
        return "is " + text(grid.width) + " wide and " + text(grid.height) +
               " high, too small for a squad of " + text(squad) + " (column " +
               text(firstSoldier.x) + ", rows " + text(firstSoldier.y) + " to " +
               text(lastSoldier.y) + ")";
    const int32_t enemies = plan.unitCount - squad;
    if (enemies > 0 && !onGrid(startCell(plan.unitCount - 1, squad, grid.width), grid))
        return "is " + text(grid.height) + " high, too small for the " + text(enemies) +
               " enemies of " + text(plan.unitCount) + " units (one per row of the last column)";
    return "";
}

int32_t countCells(const MapGrid& grid, bool (*wanted)(int32_t code)) {
    int32_t count = 0;
    for (int32_t code : grid.cells)
        if (wanted(code))
            ++count;
    return count;
}

bool isFloorCell(int32_t code) {
    return code == CELL_FLOOR;
}

// Both placements draw until they hit a suitable cell, so one must exist.
std::string checkPlacements(const FloorPlan& plan, const MapGrid& grid) {
    const int32_t floorCells = countCells(grid, isFloorCell);
    if (plan.medkitCount > floorCells)
        return "has " + text(floorCells) + " floor cells, too few for " + text(plan.medkitCount) +
               " medkits";
    const bool hasEnemies = plan.unitCount > playedSquadSize(plan);
    if (hasEnemies && countCells(grid, canHoldPatrolPoint) == 0)
        return "has no cell an enemy may patrol to";
    return "";
}
} // namespace

std::string cellPosition(int32_t column, int32_t row) {
    return "(column " + text(column) + ", row " + text(row) + ")";
}

// Computed wide: the settings come from a file and may be anything.
bool tilesUnderOnePixel(int32_t width, int32_t height, int32_t panel, int32_t band) {
    if (width <= 0 || height <= 0)
        return false;
    return tileSpan(SCREEN_WIDTH, panel, width) < 1 || tileSpan(SCREEN_HEIGHT, band, height) < 1 ||
           width > MAP_SIDE_MAX;
}

std::string checkMap(const MapGrid& grid, int32_t panel, int32_t band) {
    std::string why = checkSize(grid);
    if (why.empty() && tilesUnderOnePixel(grid.width, grid.height, panel, band))
        why = "is too large: " + text(grid.width) + " cells across leave a tile under one pixel";
    if (why.empty())
        why = checkCodes(grid);
    return why;
}

std::string checkFloor(const FloorPlan& plan, const MapGrid& grid, int32_t panel, int32_t band) {
    std::string why = checkCounts(plan);
    if (why.empty())
        why = checkMap(grid, panel, band);
    if (why.empty())
        why = checkStartCells(plan, grid);
    if (why.empty())
        why = checkPlacements(plan, grid);
    return why;
}
