#include "floor_design.h"

#include <utility>

#include "path/passability.h"
#include "path/path_search.h"
#include "start_cells.h"
#include "world/floor_checks.h"
#include "world/floor_loading.h"
#include "world/floor_state.h"
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

// canEnter and stepCost read the game's map and turn; the check lends them
// the floor with no units on it and nobody acting, and puts everything back.
class LentMap {
  public:
    explicit LentMap(const MapGrid& grid)
        : width(mapWidth), height(mapHeight), cells(std::move(mapCells)),
          occupied(std::move(occupancy)), slot(turnSlot) {
        mapWidth = grid.width;
        mapHeight = grid.height;
        mapCells = grid.cells;
        occupancy = std::vector<int32_t>(grid.cells.size(), 0);
        // No acting soldier, so cover stays closed: a soldier may pass it only
        // while unseen, and the safe assumption is that the guards see it.
        turnSlot = -1;
    }
    ~LentMap() {
        mapWidth = width;
        mapHeight = height;
        mapCells = std::move(cells);
        occupancy = std::move(occupied);
        turnSlot = slot;
    }
    LentMap(const LentMap&) = delete;
    LentMap& operator=(const LentMap&) = delete;

  private:
    int32_t width;
    int32_t height;
    std::vector<int32_t> cells;
    std::vector<int32_t> occupied;
    int32_t slot;
};

// The first squad start the game's own search finds no route from, if any.
const CellPos* cutOffStart(const std::vector<CellPos>& starts, const MapGrid& grid,
                           const CellPos& exit) {
    const LentMap lent(grid);
    // A search of its own leaves the game's program-wide one as it was.
    PathSearch search;
    configurePathSearch(search, grid.width);
    for (const CellPos& s : starts)
        if (!search.findPath(s.x, s.y, exit.x, exit.y))
            return &s;
    return nullptr;
}

} // namespace

std::string checkFloorDesign(const FloorPlan& plan, const MapGrid& grid) {
    std::string why = checkStartsOpen(squadStartCells(plan, grid.width), grid, "squad");
    if (why.empty())
        why = checkStartsOpen(enemyStartCells(plan, grid.width), grid, "enemy");
    if (!why.empty())
        return why;

    std::vector<CellPos> exits;
    for (int32_t i : exitIndices(grid.cells))
        exits.push_back({i % grid.width, i / grid.width});
    if (exits.empty())
        return "has no exit";
    if (exits.size() > 1)
        return "has " + std::to_string(exits.size()) + " exits, " + cellText(exits[0]) + " and " +
               cellText(exits[1]) + " among them; a floor has one";

    const std::vector<CellPos> starts = squadStartCells(plan, grid.width);
    if (const CellPos* cut = cutOffStart(starts, grid, exits.front()))
        return "has its exit " + cellText(exits.front()) + " out of reach of the squad start " +
               cellText(*cut) + " over open floor (cover does not count)";
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
