// Checks every asset the build turns into the run directory, through the
// readers the game uses, before the game meets it: the pictures as built, the
// settings, the squad's statistics and the two text pages. The floors are
// floortool's. Prints one line per problem and ends with status 1 if there is
// any.
//
//   assetcheck ASSETS_DIR GAME_DIR
#include <cstdio>
#include <filesystem>

#include "asset_checks.h"
#include "campaign.h"
#include "picture_check.h"
#include "text_floor.h"
#include "whole_file.h"

namespace fs = std::filesystem;

namespace {

// Empty when the file cannot be read: the parse that follows says so.
std::string readWhole(const fs::path& path) {
    std::string text;
    readWholeFile(path, text);
    return text;
}

// The sizes of the floors that read; floortool reports those that do not.
std::vector<FloorSize> floorSizes(const fs::path& assets) {
    std::vector<FloorSize> sizes;
    const fs::path list = assets / "floors" / "campaign.txt";
    std::vector<std::string> files;
    std::string why;
    if (!parseCampaignList(readWhole(list), files, why))
        return sizes;
    for (const std::string& file : files) {
        TextFloor floor;
        if (parseTextFloor(readWhole(list.parent_path() / file), floor, why))
            sizes.push_back({file, floor.grid.width, floor.grid.height});
    }
    return sizes;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: assetcheck ASSETS_DIR GAME_DIR\n");
        return 2;
    }
    const fs::path assets = argv[1];
    Problems problems;
    checkPictures(assets / "pictures", fs::path(argv[2]), problems);
    checkSettingsFile((assets / "init.txt").string(), floorSizes(assets), problems);
    checkSquadStatsFile((assets / "stats.txt").string(), problems);
    checkTextPage((assets / "texts" / "story.txt").string(), problems);
    checkTextPage((assets / "texts" / "endgame.txt").string(), problems);
    for (const std::string& p : problems)
        std::fprintf(stderr, "assetcheck: %s\n", p.c_str());
    return problems.empty() ? 0 : 1;
}
