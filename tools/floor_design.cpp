#include "floor_design.h"

#include <deque>

#include "start_cells.h"
#include "world/floor_checks.h"
#include "world/game_state.h"

namespace {

std::string cellText(const CellPos& c) {
    return cellPosition(c.x, c.y);
}

int32_t codeAt(const MapGrid& grid, const CellPos& c) {
    return grid.cells[static_cast<size_t>(c.y) * grid.width + c.x];
}

const char* blockerName(int32_t code) {
    switch (code) {
    case CELL_WALL:
        return "a wall";
    case CELL_WALL2:
        return "cover";
    case CELL_EXIT:
        return "the exit";
    default:
        return nullptr;
    }
}

std::string checkStartsOpen(const std::vector<CellPos>& cells, const MapGrid& grid,
                            const char* who) {
    for (const CellPos& c : cells)
        if (const char* blocker = blockerName(codeAt(grid, c)))
            return std::string("has the ") + who + " start " + cellText(c) + " on " + blocker;
    return "";
}

// Cover is left out: a soldier may pass it only while unseen, and the safe
// assumption is that the guards see it.
bool walkable(int32_t code) {
    return code == CELL_FLOOR || code == CELL_EXIT || code == CELL_MEDKIT;
}

// Cells reachable from the start with the game's eight-neighbour steps.
std::vector<bool> reachableFrom(const MapGrid& grid, const CellPos& start) {
    std::vector<bool> seen(grid.cells.size(), false);
    std::deque<CellPos> open{start};
    seen[static_cast<size_t>(start.y) * grid.width + start.x] = true;
    while (!open.empty()) {
        const CellPos c = open.front();
        open.pop_front();
        for (int32_t dy = -1; dy <= 1; ++dy)
            for (int32_t dx = -1; dx <= 1; ++dx) {
                const CellPos n{c.x + dx, c.y + dy};
                if (n.x < 0 || n.y < 0 || n.x >= grid.width || n.y >= grid.height)
                    continue;
                const size_t i = static_cast<size_t>(n.y) * grid.width + n.x;
                if (!seen[i] && walkable(grid.cells[i])) {
                    seen[i] = true;
                    open.push_back(n);
                }
            }
    }
    return seen;
}

} // namespace

std::string checkFloorDesign(const FloorPlan& plan, const MapGrid& grid) {
    std::string why = checkStartsOpen(squadStartCells(plan), grid, "squad");
    if (why.empty())
        why = checkStartsOpen(enemyStartCells(plan, grid.width), grid, "enemy");
    if (!why.empty())
        return why;

    std::vector<CellPos> exits;
    for (int32_t y = 0; y < grid.height; ++y)
        for (int32_t x = 0; x < grid.width; ++x)
            if (codeAt(grid, {x, y}) == CELL_EXIT)
                exits.push_back({x, y});
    if (exits.empty())
        return "has no exit";
    if (exits.size() > 1)
        return "has " + std::to_string(exits.size()) + " exits, " + cellText(exits[0]) + " and " +
               cellText(exits[1]) + " among them; a floor has one";

    const std::vector<bool> reach = reachableFrom(grid, exits.front());
    for (const CellPos& s : squadStartCells(plan))
        if (!reach[static_cast<size_t>(s.y) * grid.width + s.x])
            return "has its exit " + cellText(exits.front()) + " out of reach of the squad start " +
                   cellText(s) + " over open floor (cover does not count)";
    return "";
}

std::string checkSquadSizes(const std::vector<FloorPlan>& floors) {
    for (size_t i = 1; i < floors.size(); ++i)
        if (playedSquadSize(floors[i]) > playedSquadSize(floors[i - 1]))
            return "gives floor " + std::to_string(i + 1) + " a squad of " +
                   std::to_string(playedSquadSize(floors[i])) + ", larger than the " +
                   std::to_string(playedSquadSize(floors[i - 1])) + " of the floor before";
    return "";
}

std::string checkUnitCounts(const FloorPlan& plan) {
    if (plan.squadSize > SQUAD_MAX)
        return "gives squad " + std::to_string(plan.squadSize) + ", but the game has " +
               std::to_string(SQUAD_MAX) + " squad slots";
    if (plan.unitCount <= plan.squadSize)
        return "has no enemies (units " + std::to_string(plan.unitCount) + ", squad " +
               std::to_string(plan.squadSize) + "): the game would skip it the moment it starts";
    return "";
}
