#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include <sys/wait.h>

#include "campaign.h"
#include "content_files.h"
#include "floor_design.h"
#include "world/floor_checks.h"
#include "world/game_state.h"
#include "world/settings_file.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> listOf(const std::string& text) {
    std::vector<std::string> files;
    std::string why;
    EXPECT_TRUE(parseCampaignList(text, files, why)) << why;
    return files;
}

std::string listRefusal(const std::string& text) {
    std::vector<std::string> files;
    std::string why;
    EXPECT_FALSE(parseCampaignList(text, files, why));
    return why;
}

struct ToolRun {
    int status;
    std::string errors;
    std::string output;
};

ToolRun runFloortool(const std::string& args, const fs::path& dir) {
    const fs::path errors = dir / "errors.txt";
    const fs::path output = dir / "output.txt";
    const std::string command = std::string(PROWLGRID_FLOORTOOL) + " " + args + " 2> " +
                                errors.string() + " > " + output.string();
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(errors.string()),
            readFile(output.string())};
}

// A square room: one soldier at (1, 1), the exit top right, the enemies up
// the last column and the curtains along the bottom row from column 2.
std::string room(int32_t side, int32_t enemies, int32_t curtains, int32_t medkits) {
    std::vector<std::string> rows(side, std::string(side, '.'));
    rows[1][1] = 'S';
    rows[0][side - 1] = 'E';
    for (int32_t i = 0; i < enemies; ++i)
        rows[side - 1 - i][side - 1] = 'X';
    for (int32_t i = 0; i < curtains; ++i)
        rows[side - 1][2 + i] = 'c';
    std::string text = "name room\nunits " + std::to_string(enemies + 1) + "\nsquad 1\nmedkits " +
                       std::to_string(medkits) + "\nmap\n";
    for (const std::string& row : rows)
        text += row + "\n";
    return text;
}

const char* GOOD_FLOOR = "name hall\nunits 2\nsquad 1\nmedkits 1\nmap\n"
                         "....\n.S.E\n....\n...X\n";

// A campaign of the given floors in a fresh directory, with the shipped settings.
fs::path campaignDir(const std::string& name, const std::vector<std::string>& floors) {
    const fs::path dir = freshTempDir(name);
    std::string list;
    for (size_t i = 0; i < floors.size(); ++i) {
        const std::string file = "f" + std::to_string(i + 1) + ".floor";
        writeFile(dir / file, floors[i]);
        list += file + "\n";
    }
    writeFile(dir / "campaign.txt", list);
    return dir;
}

SettingsRecords shippedSettings() {
    SettingsRecords s;
    EXPECT_TRUE(parseSettingsFile(gamePath("init.txt").c_str(), s));
    return s;
}

} // namespace

TEST(CampaignList, ListsFloorFilesInOrderSkippingCommentsAndBlanks) {
    EXPECT_EQ(listOf("# floors\n\nfirst.floor\n  second.floor  # the hard one\n"),
              (std::vector<std::string>{"first.floor", "second.floor"}));
}

TEST(CampaignList, RefusesListsTheToolCannotPlace) {
    EXPECT_EQ(listRefusal("# nothing\n"), "line 1: the campaign lists no floor");
    EXPECT_EQ(listRefusal("a.floor b.floor\n"), "line 1: one floor file per line");
    EXPECT_EQ(listRefusal("../a.floor\n"), "line 1: '../a.floor' is not a plain file name");
    EXPECT_EQ(listRefusal("x/a.floor\n"), "line 1: 'x/a.floor' is not a plain file name");
}

TEST(CampaignList, NamesEachMapAsTheGameWritesPaths) {
    EXPECT_EQ(mapFileName("floor1.floor"), "floor1.map");
    EXPECT_EQ(mapFileName("vault"), "vault.map");
    EXPECT_EQ(missionMapPath("floor1.map"), ".//Data//Missions//floor1.map");
}

TEST(CampaignList, TheMissionListReadsBackAsWritten) {
    std::vector<TextFloor> floors(2);
    floors[0].label = "cellars";
    floors[0].plan = {missionMapPath("a.map"), 6, 4, 1};
    floors[1].label = "crown";
    floors[1].plan = {missionMapPath("b.map"), 12, 4, 3};
    const std::string text = missionListText(floors);
    EXPECT_EQ(text, "2\n"
                    "cellars .//Data//Missions//a.map\nunits 6\nsquad 4\nmedkits 1\n"
                    "crown .//Data//Missions//b.map\nunits 12\nsquad 4\nmedkits 3\n");

    const fs::path path = freshTempDir("mission") / "Mission.dat";
    writeFile(path, text);
    int32_t count = 0;
    FloorPlan plan;
    std::string why;
    ASSERT_TRUE(readMissionList(path.string().c_str(), 2, count, plan, why)) << why;
    EXPECT_EQ(count, 2);
    EXPECT_EQ(plan.mapPath, ".//Data//Missions//b.map");
    EXPECT_EQ(plan.unitCount, 12);
    EXPECT_EQ(plan.squadSize, 4);
    EXPECT_EQ(plan.medkitCount, 3);
}

TEST(ShippedCampaign, EveryFloorLoadsAndIsFairToPlay) {
    const SettingsRecords settings = shippedSettings();
    const fs::path before = fs::current_path();
    fs::current_path(PROWLGRID_GAME_DIR);
    int32_t count = 0;
    FloorPlan plan;
    std::string why;
    ASSERT_TRUE(readMissionList(MISSION_LIST_PATH, 1, count, plan, why)) << why;
    EXPECT_GE(count, 5);

    std::vector<FloorPlan> plans;
    int32_t lastSide = 0, lastEnemies = 0;
    for (int32_t n = 1; n <= count; ++n) {
        SCOPED_TRACE("floor " + std::to_string(n));
        ASSERT_TRUE(readMissionList(MISSION_LIST_PATH, n, count, plan, why)) << why;
        MapGrid grid;
        ASSERT_TRUE(readMapFile(plan.mapPath.c_str(), grid, why)) << why;
        EXPECT_EQ(checkFloor(plan, grid, settings.panelWidth, settings.bandHeight), "");
        EXPECT_EQ(checkFloorDesign(plan, grid), "");
        plans.push_back(plan);

        // Rising difficulty: never smaller, always more enemies.
        EXPECT_GE(grid.width, lastSide);
        EXPECT_GT(plan.unitCount - plan.squadSize, lastEnemies);
        lastSide = grid.width;
        lastEnemies = plan.unitCount - plan.squadSize;
        EXPECT_GE(plan.medkitCount, 1);
        int32_t cover = 0;
        for (int32_t code : grid.cells)
            cover += code == CELL_WALL2;
        EXPECT_GE(cover, 3) << "every floor has curtains to slip through";
        // Sprites stay readable: tiles of at least 16 pixels.
        EXPECT_GE((SCREEN_WIDTH - settings.panelWidth) / grid.width, 16);
        EXPECT_GE((SCREEN_HEIGHT - settings.bandHeight) / grid.height, 16);
        if (n == 1) {
            EXPECT_LE(grid.width, 12);
        }
        if (n == count) {
            EXPECT_GE(grid.width, 24);
        }
    }
    EXPECT_EQ(checkSquadSizes(plans), "");
    fs::current_path(before);
}

TEST(Floortool, VerifiesTheBuiltRunDirectory) {
    const fs::path dir = freshTempDir("verify");
    const ToolRun run =
        runFloortool(std::string("verify ") + PROWLGRID_GAME_DIR + " " + gamePath("init.txt"), dir);
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.errors, "");
}

TEST(Floortool, BuildsACampaignThatTheGameReads) {
    const fs::path dir = campaignDir("build", {GOOD_FLOOR, GOOD_FLOOR});
    const fs::path game = dir / "game";
    const ToolRun run = runFloortool("build --mod " + (dir / "campaign.txt").string() + " " +
                                         gamePath("init.txt") + " " + game.string(),
                                     dir);
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_TRUE(fs::exists(game / "Data/Missions/f1.map"));
    EXPECT_TRUE(fs::exists(game / "Data/Missions/f2.map"));
    EXPECT_EQ(readFile((game / "Data/Missions/Mission.dat").string()),
              "2\nhall .//Data//Missions//f1.map\nunits 2\nsquad 1\nmedkits 1\n"
              "hall .//Data//Missions//f2.map\nunits 2\nsquad 1\nmedkits 1\n");
}

TEST(Floortool, ABrokenFloorFailsTheBuildAndWritesNothing) {
    const std::string walledIn = "name hall\nunits 2\nsquad 1\nmedkits 0\nmap\n"
                                 ".....\n.S...\n..###\n..#E.\n..#.X\n";
    const fs::path dir = campaignDir("broken", {GOOD_FLOOR, walledIn});
    const fs::path game = dir / "game";
    const ToolRun run = runFloortool("build --mod " + (dir / "campaign.txt").string() + " " +
                                         gamePath("init.txt") + " " + game.string(),
                                     dir);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.errors, "floortool: f2.floor has its exit (column 3, row 3) out of reach of the "
                          "squad start (column 1, row 1) over open floor (cover does not count)\n");
    EXPECT_FALSE(fs::exists(game / "Data/Missions/Mission.dat"));
}

TEST(Floortool, ReportsTheGamesOwnRefusalsAndParseErrors) {
    const fs::path dir =
        campaignDir("refusals", {"name hall\nunits 2\nsquad 1\nmedkits 0\nmap\n...\n.S.E\n"});
    ToolRun run = runFloortool(
        "check --mod " + (dir / "campaign.txt").string() + " " + gamePath("init.txt"), dir);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.errors, "floortool: f1.floor: line 7: row is 4 cells wide, the first row is 3\n");

    writeFile(dir / "f1.floor", "name hall\nunits 2\nsquad 1\nmedkits 0\nmap\n....\n.S.X\n");
    run = runFloortool(
        "check --mod " + (dir / "campaign.txt").string() + " " + gamePath("init.txt"), dir);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.errors, "floortool: f1.floor is 4 wide and 2 high, floors are square\n");

    run = runFloortool("check --mod " + (dir / "campaign.txt").string() + " " +
                           (dir / "no-such-init.txt").string(),
                       dir);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.errors.find("cannot be read"), std::string::npos);
}

TEST(Floortool, NamesTheCountsThatPutUnitsWhereTheyCannotStart) {
    const fs::path dir = freshTempDir("counts");
    const std::string check =
        "check --mod " + (dir / "campaign.txt").string() + " " + gamePath("init.txt");
    const std::string head = "name hall\nunits ";
    const std::string map = "\nmedkits 0\nmap\n.....\n.S..E\n.....\n....#\n....X\n";
    const struct {
        std::string counts;
        std::string error;
    } cases[] = {
        {"3\nsquad 1", "f1.floor: line 9: '#' at (column 4, row 3) should be 'X': units 3 and "
                       "squad 1 give 2 enemies, who start in column 4, rows 4 up to 3"},
        {"8\nsquad 1", "f1.floor is 5 high, too small for the 7 enemies of 8 units (one per row "
                       "of the last column)"},
        {"6\nsquad 5", "f1.floor gives squad 5, but the game has 4 squad slots"},
        {"1\nsquad 1", "f1.floor has no enemies (units 1, squad 1): the game would skip it the "
                       "moment it starts"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.counts);
        writeFile(dir / "f1.floor", head + c.counts + map);
        writeFile(dir / "campaign.txt", "f1.floor\n");
        const ToolRun run = runFloortool(check, dir);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.errors, "floortool: " + c.error + "\n");
    }
}

TEST(Floortool, HoldsACampaignToTheShippedDesignRulesUnlessItIsAMod) {
    const std::string lift = " (a mod may lift the campaign's rules: floortool --mod, or for "
                             "the build cmake -S . -B build -DPROWLGRID_MOD=ON)\n";
    const struct {
        std::vector<std::string> floors;
        std::string error; // empty: the campaign keeps every rule
    } cases[] = {
        {{room(12, 2, 3, 1), room(24, 3, 3, 1)}, ""},
        {{room(12, 2, 2, 1), room(24, 3, 3, 1)},
         "f1.floor has 2 curtains (c), every floor has "
         "at least 3"},
        {{room(12, 2, 3, 0), room(24, 3, 3, 1)},
         "f1.floor has medkits 0, every floor has at "
         "least 1"},
        {{room(12, 2, 3, 1), room(30, 3, 3, 1)},
         "f2.floor is 30 wide: with panelWidth 160 and "
         "bandHeight 20 its tiles are 16 x 15 pixels, "
         "the campaign's are at least 16 x 16"},
        {{room(24, 2, 3, 1), room(12, 3, 3, 1)},
         "f2.floor is 12 wide, smaller than the 24 of "
         "f1.floor before it"},
        {{room(12, 3, 3, 1), room(24, 3, 3, 1)},
         "f2.floor has 3 enemies, not more than the 3 of "
         "f1.floor before it"},
        {{room(13, 2, 3, 1), room(24, 3, 3, 1)},
         "f1.floor is 13 wide, the first floor is at "
         "most 12"},
        {{room(12, 2, 3, 1), room(23, 3, 3, 1)},
         "f2.floor is 23 wide, the last floor is at "
         "least 24"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error);
        const fs::path dir = campaignDir("rules", c.floors);
        // The tile rule's figures come from these settings, not the shipped ones.
        writeFile(dir / "init.txt", "bandHeight 20\npanelWidth 160\nrosterTop 0\n"
                                    "rosterRowHeight 110\ntickMs 120\nhighlightColor 40 84 150\n"
                                    "shotShowTicks 8\n");
        const std::string args =
            (dir / "campaign.txt").string() + " " + (dir / "init.txt").string();
        ToolRun run = runFloortool("check " + args, dir);
        EXPECT_EQ(run.status, c.error.empty() ? 0 : 1);
        EXPECT_EQ(run.errors, c.error.empty() ? "" : "floortool: " + c.error + lift);
        if (c.error.empty()) {
            EXPECT_EQ(run.output, "floortool: campaign.txt: 2 floors checked: each loads in the "
                                  "game, every soldier can reach the exit, the campaign's design "
                                  "rules hold\n");
        }
        run = runFloortool("check --mod " + args, dir);
        EXPECT_EQ(run.status, 0) << run.errors;
        EXPECT_EQ(run.output, "floortool: campaign.txt: 2 floors checked: each loads in the game, "
                              "every soldier can reach the exit\n");
    }
}

TEST(Floortool, TheReadmesExampleFloorBuildsAsPrinted) {
    // The indented block after the line that names the file, as a modder copies it.
    const std::vector<std::string> readme = readLines(sourcePath("README.md"));
    const std::string indent(6, ' ');
    std::string floor;
    auto line = std::find_if(readme.begin(), readme.end(), [](const std::string& l) {
        return l.find("make try FLOOR=hall") != std::string::npos;
    });
    ASSERT_NE(line, readme.end());
    for (++line; line != readme.end() && line->empty(); ++line) {
    }
    for (; line != readme.end() && line->rfind(indent, 0) == 0; ++line)
        floor += line->substr(indent.size()) + "\n";
    ASSERT_NE(floor.find("map\n"), std::string::npos) << floor;

    const fs::path dir = freshTempDir("readme");
    writeFile(dir / "hall.floor", floor);
    fs::copy_file(sourcePath("assets/floors/campaign.txt"), dir / "campaign.txt");
    const fs::path game = dir / "game";
    // What `make try FLOOR=hall` runs.
    const ToolRun run = runFloortool("build --mod --from hall " + (dir / "campaign.txt").string() +
                                         " " + sourcePath("assets/init.txt") + " " + game.string(),
                                     dir);
    ASSERT_EQ(run.status, 0) << run.errors;
    const std::vector<std::string> list = readLines((game / "Data/Missions/Mission.dat").string());
    ASSERT_GE(list.size(), 2u);
    EXPECT_EQ(list[0], "1");
    EXPECT_EQ(list[1], "hall .//Data//Missions//hall.map");
}
