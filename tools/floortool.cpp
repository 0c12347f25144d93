// Compiles the text floors of a campaign into the game's binary maps and its
// mission list, and checks every floor the way the game loads it plus the
// design rules (open start cells, one exit the whole squad can walk to).
//
//   floortool check CAMPAIGN SETTINGS            check the text floors
//   floortool build CAMPAIGN SETTINGS GAME_DIR   check, then write the maps
//                                                and Mission.dat under GAME_DIR
//   floortool verify GAME_DIR SETTINGS           check a game directory's
//                                                Mission.dat and maps as built
//
// SETTINGS is the game's init.txt: the tile size depends on its panel and band.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "campaign.h"
#include "floor_design.h"
#include "shell/settings_file.h"
#include "text_floor.h"
#include "world/floor_checks.h"

namespace fs = std::filesystem;

namespace {

bool complain(const std::string& where, const std::string& why) {
    std::fprintf(stderr, "floortool: %s%s\n", where.c_str(), why.c_str());
    return false;
}

bool readWhole(const fs::path& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream all;
    all << in.rdbuf();
    text = all.str();
    return true;
}

bool readSettings(const char* path, SettingsRecords& settings) {
    if (!parseSettingsFile(path, settings))
        return complain(path, ": cannot be read");
    return true;
}

// The game's own floor checks first, then the design rules.
bool judgeFloor(const std::string& name, const FloorPlan& plan, const MapGrid& grid,
                const SettingsRecords& settings) {
    std::string why = checkFloor(plan, grid, settings.panelWidth, settings.bandHeight);
    if (why.empty())
        why = checkFloorDesign(plan, grid);
    return why.empty() || complain(name + " ", why);
}

bool judgeSquadSizes(const std::string& name, const std::vector<FloorPlan>& plans) {
    const std::string why = checkSquadSizes(plans);
    return why.empty() || complain(name + " ", why);
}

bool loadCampaign(const fs::path& list, const SettingsRecords& settings,
                  std::vector<TextFloor>& floors) {
    std::string text, why;
    std::vector<std::string> files;
    if (!readWhole(list, text))
        return complain(list.string(), ": cannot be read");
    if (!parseCampaignList(text, files, why))
        return complain(list.string() + ": ", why);
    std::vector<FloorPlan> plans;
    for (const std::string& file : files) {
        TextFloor floor;
        if (!readWhole(list.parent_path() / file, text))
            return complain(file, ": cannot be read");
        if (!parseTextFloor(text, floor, why))
            return complain(file + ": ", why);
        floor.plan.mapPath = missionMapPath(mapFileName(file));
        if (floor.plan.mapPath.size() > MAP_PATH_LENGTH_MAX)
            return complain(file + " ", "gives a map path longer than " +
                                            std::to_string(MAP_PATH_LENGTH_MAX) + " characters");
        if (!judgeFloor(file, floor.plan, floor.grid, settings))
            return false;
        why = checkStartMarks(floor);
        if (!why.empty())
            return complain(file + " ", why);
        floors.push_back(floor);
        plans.push_back(floor.plan);
    }
    return judgeSquadSizes(list.filename().string(), plans);
}

bool writeCampaign(const std::vector<TextFloor>& floors, const fs::path& gameDir) {
    const fs::path dir = gameDir / MISSIONS_DIR;
    std::error_code ec;
    fs::create_directories(dir, ec);
    for (const TextFloor& f : floors) {
        const fs::path path = gameDir / f.plan.mapPath;
        if (!writeMapFile(path.string().c_str(), f.grid))
            return complain(path.string(), ": cannot be written");
    }
    const fs::path listPath = dir / MISSION_LIST_FILE;
    std::ofstream out(listPath, std::ios::binary);
    out << missionListText(floors);
    out.close();
    return out || complain(listPath.string(), ": cannot be written");
}

// Reads the mission list and the maps as the game does, from its directory.
bool verifyGameDir(const fs::path& gameDir, const SettingsRecords& settings) {
    std::error_code ec;
    const fs::path before = fs::current_path();
    fs::current_path(gameDir, ec);
    if (ec)
        return complain(gameDir.string(), ": cannot be entered");
    int32_t floorCount = 0;
    FloorPlan plan;
    std::string why;
    std::vector<FloorPlan> plans;
    bool ok = readMissionList(MISSION_LIST_PATH, 1, floorCount, plan, why) ||
              complain(std::string(MISSION_LIST_PATH) + " ", why);
    for (int32_t n = 1; ok && n <= floorCount; ++n) {
        MapGrid grid;
        ok = readMissionList(MISSION_LIST_PATH, n, floorCount, plan, why) ||
             complain(std::string(MISSION_LIST_PATH) + " ", why);
        ok = ok &&
             (readMapFile(plan.mapPath.c_str(), grid, why) || complain(plan.mapPath + " ", why));
        ok = ok && judgeFloor(plan.mapPath, plan, grid, settings);
        plans.push_back(plan);
    }
    ok = ok && judgeSquadSizes(MISSION_LIST_PATH, plans);
    fs::current_path(before, ec);
    return ok;
}

int usage() {
    std::fprintf(stderr, "usage: floortool check CAMPAIGN SETTINGS\n"
                         "       floortool build CAMPAIGN SETTINGS GAME_DIR\n"
                         "       floortool verify GAME_DIR SETTINGS\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4)
        return usage();
    const std::string mode = argv[1];
    SettingsRecords settings;
    std::vector<TextFloor> floors;
    if (mode == "check" && argc == 4)
        return readSettings(argv[3], settings) && loadCampaign(argv[2], settings, floors) ? 0 : 1;
    if (mode == "build" && argc == 5) {
        const bool ok = readSettings(argv[3], settings) &&
                        loadCampaign(argv[2], settings, floors) && writeCampaign(floors, argv[4]) &&
                        verifyGameDir(argv[4], settings);
        return ok ? 0 : 1;
    }
    if (mode == "verify" && argc == 4)
        return readSettings(argv[3], settings) && verifyGameDir(argv[2], settings) ? 0 : 1;
    return usage();
}
