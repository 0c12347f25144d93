// Compiles the text floors of a campaign into the game's binary maps and its
// mission list, and checks every floor the way the game loads it plus the
// design rules (open start cells, one exit the whole squad can walk to, and
// the shipped campaign's own rules unless --mod is given).
//
//   floortool check [--mod] CAMPAIGN SETTINGS     check the text floors
//   floortool build [--mod] [--from FLOOR] CAMPAIGN SETTINGS GAME_DIR
//                        check, then write the maps and Mission.dat under
//                        GAME_DIR; --from starts the campaign at FLOOR.floor
//                        (on its own if the campaign does not list it)
//   floortool verify GAME_DIR SETTINGS            check a game directory's
//                                                 Mission.dat and maps as built
//   floortool render GAME_DIR PICTURE.png         the first floor of GAME_DIR
//                                                 as the game draws it at start
//
// SETTINGS is the game's init.txt: the tile size depends on its panel and band.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "campaign.h"
#include "campaign_design.h"
#include "floor_design.h"
#include "floor_picture.h"
#include "text_floor.h"
#include "whole_file.h"
#include "world/floor_checks.h"
#include "world/settings_file.h"

namespace fs = std::filesystem;

namespace {

bool complain(const std::string& where, const std::string& why) {
    std::fprintf(stderr, "floortool: %s%s\n", where.c_str(), why.c_str());
    return false;
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

// The marks are checked before the design: a wrong count then shows as the
// count it is, not as a start cell on a wall.
bool judgeTextFloor(const std::string& name, const TextFloor& floor,
                    const SettingsRecords& settings) {
    std::string why = checkUnitCounts(floor.plan);
    if (why.empty())
        why = checkFloor(floor.plan, floor.grid, settings.panelWidth, settings.bandHeight);
    if (why.empty() && !(why = checkStartMarks(floor)).empty())
        return complain(name + ": ", why);
    if (why.empty())
        why = checkFloorDesign(floor.plan, floor.grid);
    return why.empty() || complain(name + " ", why);
}

bool judgeSquadSizes(const std::string& name, const std::vector<FloorPlan>& plans) {
    const std::string why = checkSquadSizes(plans);
    return why.empty() || complain(name + " ", why);
}

struct Options {
    bool mod = false;       // the shipped campaign's design rules do not apply
    std::string firstFloor; // --from: the campaign starts at this floor
};

// From that floor on; a floor the list does not name yet is tried on its own.
bool startAt(const std::string& first, std::vector<std::string>& files) {
    if (first.empty())
        return true;
    const std::string file = first + ".floor";
    std::vector<std::string> alone;
    std::string why;
    // The same rule as for the list's own lines: a plain name beside the list.
    if (!parseCampaignList(file, alone, why))
        return complain("--from " + first, ": not a floor file's name");
    const auto at = std::find(files.begin(), files.end(), file);
    if (at == files.end())
        files = alone;
    else
        files.erase(files.begin(), at);
    return true;
}

bool loadCampaign(const fs::path& list, const SettingsRecords& settings, const Options& options,
                  std::vector<TextFloor>& floors) {
    std::string text, why;
    std::vector<std::string> files;
    if (!readWholeFile(list, text))
        return complain(list.string(), ": cannot be read");
    if (!parseCampaignList(text, files, why))
        return complain(list.string() + ": ", why);
    if (!startAt(options.firstFloor, files))
        return false;
    std::vector<FloorPlan> plans;
    std::vector<NamedFloor> named;
    for (const std::string& file : files) {
        TextFloor floor;
        if (!readWholeFile(list.parent_path() / file, text))
            return complain(file, ": cannot be read");
        if (!parseTextFloor(text, floor, why))
            return complain(file + ": ", why);
        floor.plan.mapPath = missionMapPath(mapFileName(file));
        if (floor.plan.mapPath.size() > MAP_PATH_LENGTH_MAX)
            return complain(file + " ", "gives a map path longer than " +
                                            std::to_string(MAP_PATH_LENGTH_MAX) + " characters");
        if (!judgeTextFloor(file, floor, settings))
            return false;
        floors.push_back(floor);
        plans.push_back(floor.plan);
        named.push_back({file, floor});
    }
    if (!judgeSquadSizes(list.filename().string(), plans))
        return false;
    why = options.mod ? "" : checkCampaignDesign(named, settings);
    return why.empty() || complain(why, " (a mod may lift the campaign's rules: floortool --mod, or for the "
                                       "build cmake -S . -B build -DPROWLGRID_MOD=ON)");
}

bool reportChecked(const fs::path& list, size_t count, const Options& options) {
    std::printf("floortool: %s: %zu floor%s checked: each loads in the game, every soldier can "
                "reach the exit%s\n",
                list.filename().string().c_str(), count, count == 1 ? "" : "s",
                options.mod ? "" : ", the campaign's design rules hold");
    return true;
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
    std::fprintf(stderr,
                 "usage: floortool check [--mod] CAMPAIGN SETTINGS\n"
                 "       floortool build [--mod] [--from FLOOR] CAMPAIGN SETTINGS GAME_DIR\n"
                 "       floortool verify GAME_DIR SETTINGS\n"
                 "       floortool render GAME_DIR PICTURE.png\n");
    return 2;
}

// Takes the options out of the arguments; false on one it does not know.
bool takeOptions(std::vector<std::string>& args, Options& options) {
    std::vector<std::string> rest;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--mod")
            options.mod = true;
        else if (args[i] == "--from" && i + 1 < args.size())
            options.firstFloor = args[++i];
        else if (args[i].rfind("--", 0) == 0)
            return false;
        else
            rest.push_back(args[i]);
    }
    args = rest;
    return true;
}

int render(const std::string& gameDir, const std::string& picture) {
    std::string why;
    if (drawFloorPicture(gameDir, picture, why))
        return 0;
    complain(picture + ": ", why);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return usage();
    const std::string mode = argv[1];
    std::vector<std::string> args(argv + 2, argv + argc);
    Options options;
    if (!takeOptions(args, options))
        return usage();
    SettingsRecords settings;
    std::vector<TextFloor> floors;
    if (mode == "check" && args.size() == 2) {
        const bool ok = readSettings(args[1].c_str(), settings) &&
                        loadCampaign(args[0], settings, options, floors) &&
                        reportChecked(args[0], floors.size(), options);
        return ok ? 0 : 1;
    }
    if (mode == "build" && args.size() == 3) {
        const bool ok = readSettings(args[1].c_str(), settings) &&
                        loadCampaign(args[0], settings, options, floors) &&
                        writeCampaign(floors, args[2]) && verifyGameDir(args[2], settings);
        return ok ? 0 : 1;
    }
    if (mode == "verify" && args.size() == 2 && !options.mod && options.firstFloor.empty())
        return readSettings(args[1].c_str(), settings) && verifyGameDir(args[0], settings) ? 0 : 1;
    if (mode == "render" && args.size() == 2 && !options.mod && options.firstFloor.empty())
        return render(args[0], args[1]);
    return usage();
}
