#include "campaign_design.h"

#include "world/game_state.h"
#include "world/settings.h"

namespace {

std::string text(int64_t n) {
    return std::to_string(n);
}

int32_t enemiesOf(const FloorPlan& plan) {
    return plan.unitCount - playedSquadSize(plan);
}

int32_t curtainsOf(const MapGrid& grid) {
    int32_t count = 0;
    for (int32_t code : grid.cells)
        count += code == CELL_WALL2;
    return count;
}

// Rules that look at one floor alone.
std::string checkOne(const NamedFloor& f, const SettingsRecords& settings) {
    const MapGrid& grid = f.floor.grid;
    const int64_t across = tileSpan(SCREEN_WIDTH, settings.panelWidth, grid.width);
    const int64_t down = tileSpan(SCREEN_HEIGHT, settings.bandHeight, grid.height);
    if (across < TILE_PIXELS_MIN || down < TILE_PIXELS_MIN)
        return f.file + " is " + text(grid.width) + " wide: with panelWidth " +
               text(settings.panelWidth) + " and bandHeight " + text(settings.bandHeight) +
               " its tiles are " + text(across) + " x " + text(down) +
               " pixels, the campaign's are at least " + text(TILE_PIXELS_MIN) + " x " +
               text(TILE_PIXELS_MIN);
    if (curtainsOf(grid) < CURTAINS_MIN)
        return f.file + " has " + text(curtainsOf(grid)) +
               " curtains (c), every floor has at least " + text(CURTAINS_MIN);
    if (f.floor.plan.medkitCount < MEDKITS_MIN)
        return f.file + " has medkits " + text(f.floor.plan.medkitCount) +
               ", every floor has at least " + text(MEDKITS_MIN);
    return "";
}

// Rules between a floor and the one before it.
std::string checkStep(const NamedFloor& before, const NamedFloor& f) {
    const int32_t side = f.floor.grid.width, sideBefore = before.floor.grid.width;
    if (side < sideBefore)
        return f.file + " is " + text(side) + " wide, smaller than the " + text(sideBefore) +
               " of " + before.file + " before it";
    const int32_t enemies = enemiesOf(f.floor.plan), enemiesBefore = enemiesOf(before.floor.plan);
    if (enemies <= enemiesBefore)
        return f.file + " has " + text(enemies) + " enemies, not more than the " +
               text(enemiesBefore) + " of " + before.file + " before it";
    return "";
}

} // namespace

std::string checkCampaignDesign(const std::vector<NamedFloor>& floors,
                                const SettingsRecords& settings) {
    if (floors.empty())
        return "";
    for (size_t i = 0; i < floors.size(); ++i) {
        std::string why = checkOne(floors[i], settings);
        if (why.empty() && i > 0)
            why = checkStep(floors[i - 1], floors[i]);
        if (!why.empty())
            return why;
    }
    const NamedFloor& first = floors.front();
    if (first.floor.grid.width > FIRST_FLOOR_SIDE_MAX)
        return first.file + " is " + text(first.floor.grid.width) +
               " wide, the first floor is at most " + text(FIRST_FLOOR_SIDE_MAX);
    const NamedFloor& last = floors.back();
    if (last.floor.grid.width < LAST_FLOOR_SIDE_MIN)
        return last.file + " is " + text(last.floor.grid.width) +
               " wide, the last floor is at least " + text(LAST_FLOOR_SIDE_MIN);
    return "";
}
