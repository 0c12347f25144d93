// Each asset a modder can break, broken once in a copy of the shipped assets
// and put through the commands the build runs on it (make_pictures, then
// assetcheck): the build stops with one line that names the file and the fault.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>

#include <sys/wait.h>

#include "campaign.h"
#include "content_files.h"
#include "text_floor.h"

namespace fs = std::filesystem;

namespace {

struct CommandRun {
    int status;
    std::string errors;
};

CommandRun command(const std::string& line, const fs::path& dir) {
    const fs::path errors = dir / "errors.txt";
    const std::string full = "cd " + dir.string() + " && " + line + " 2> " + errors.string();
    const int raw = std::system(full.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(errors.string())};
}

// Replaces line n (from 1) of a file, whatever it held.
void setLine(const fs::path& file, size_t n, const std::string& line) {
    std::vector<std::string> lines = readLines(file.string());
    ASSERT_GE(lines.size(), n) << file;
    lines[n - 1] = line;
    std::string text;
    for (const std::string& l : lines)
        text += l + "\n";
    writeFile(file, text);
}

void dropLastLine(const fs::path& file) {
    std::string text = readFile(file.string());
    text.pop_back();
    writeFile(file, text.substr(0, text.rfind('\n') + 1));
}

// The shipped assets with one change, checked as the build checks them.
CommandRun checkBroken(const std::string& name,
                       const std::function<void(const fs::path&)>& breakIt) {
    const fs::path dir = freshTempDir("assets-" + name);
    fs::copy(sourcePath("assets"), dir / "assets", fs::copy_options::recursive);
    breakIt(dir / "assets");
    const CommandRun pictures =
        command(std::string(PROWLGRID_MAKE_PICTURES) + " assets/pictures game/Data/Images", dir);
    EXPECT_EQ(pictures.status, 0) << pictures.errors;
    return command(std::string(PROWLGRID_ASSETCHECK) + " assets game", dir);
}

// "12 x 12 cells of floor1.floor": the first floor, whatever its shape.
std::string firstFloor() {
    std::vector<std::string> files;
    std::string why;
    EXPECT_TRUE(parseCampaignList(readFile(sourcePath("assets/floors/campaign.txt")), files, why));
    TextFloor floor;
    EXPECT_TRUE(parseTextFloor(readFile(sourcePath("assets/floors/" + files.at(0))), floor, why));
    const std::string side = std::to_string(floor.grid.width);
    return side + " x " + side + " cells of " + files.at(0);
}

const std::string NOT_WHOLE =
    " is not a whole number (decimal, 0x hexadecimal or leading-0 octal, within 32 bits)";

} // namespace

TEST(AssetCheck, TheShippedAssetsPass) {
    const CommandRun run = checkBroken("shipped", [](const fs::path&) {});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.errors, "");
}

TEST(AssetCheck, ATargetPointerOfOnePixelPasses) {
    const CommandRun run = checkBroken("one-pixel-target", [](const fs::path& a) {
        writeFile(a / "pictures/target.art", "color k 16 16 16\npixels\nk\n");
    });
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.errors, "");
}

TEST(AssetCheck, EachBrokenAssetStopsTheBuildWithItsOneLine) {
    const struct {
        const char* name;
        std::function<void(const fs::path&)> breakIt;
        std::string line;
    } cases[] = {
        {"short-wall", [](const fs::path& a) { dropLastLine(a / "pictures/wall.art"); },
         "assets/pictures/wall.art: .//Data//Images//wall.bmp is 16 x 15 pixels; the game "
         "needs it at least 16 x 16"},
        {"no-medkit", [](const fs::path& a) { fs::remove(a / "pictures/medkit.art"); },
         "assets/pictures/medkit.art is missing: the game loads .//Data//Images//medkit.bmp at "
         "start"},
        {"tick-letter", [](const fs::path& a) { setLine(a / "init.txt", 5, "tickMs 12O"); },
         "assets/init.txt line 5: tickMs: '12O'" + NOT_WHOLE},
        {"swapped", [](const fs::path& a) { setLine(a / "init.txt", 3, "tickMs 120"); },
         "assets/init.txt line 3: 'tickMs' stands where record 3, rosterTop, belongs: the game "
         "reads the records by their place, not their label"},
        {"six-records", [](const fs::path& a) { dropLastLine(a / "init.txt"); },
         "assets/init.txt: ends before its shotShowTicks record, record 7 of 7"},
        {"colour-short",
         [](const fs::path& a) { setLine(a / "init.txt", 6, "highlightColor 40 84"); },
         "assets/init.txt line 6: highlightColor: needs a label word and 3 numbers, the line "
         "has 3 words"},
        {"tick-zero", [](const fs::path& a) { setLine(a / "init.txt", 5, "tickMs 0"); },
         "assets/init.txt line 5: tickMs 0: the tick interval must be above 0"},
        {"colour-256",
         [](const fs::path& a) { setLine(a / "init.txt", 6, "highlightColor 40 256 150"); },
         "assets/init.txt line 6: highlightColor: the component 256 is outside 0-255"},
        {"band-high",
         [](const fs::path& a) {
             setLine(a / "init.txt", 1, "bandHeight 479");
             setLine(a / "init.txt", 2, "panelWidth 160");
         },
         "assets/init.txt line 1: bandHeight 479 and panelWidth 160 leave 480 x 1 pixels for the "
         "map, under one pixel a tile for the " +
             firstFloor()},
        {"stat-letter", [](const fs::path& a) { setLine(a / "stats.txt", 2, "6 5 6 9a 1"); },
         "assets/stats.txt line 2: '9a'" + NOT_WHOLE},
        {"stat-100", [](const fs::path& a) { setLine(a / "stats.txt", 2, "6 5 100 9 1"); },
         "assets/stats.txt line 2: accuracy 100: statistics are 1 to 99"},
        {"stat-0", [](const fs::path& a) { setLine(a / "stats.txt", 2, "0 5 6 9 1"); },
         "assets/stats.txt line 2: speed 0: statistics are 1 to 99"},
        {"weapon-5", [](const fs::path& a) { setLine(a / "stats.txt", 2, "6 5 6 9 5"); },
         "assets/stats.txt line 2: weapon kind 5: kinds are 0 to 2"},
        {"stat-missing", [](const fs::path& a) { setLine(a / "stats.txt", 2, "6 5 6 9"); },
         "assets/stats.txt line 2: an entry is five numbers (speed, dodge, accuracy, strength, "
         "weapon kind), the line has 4"},
        {"three-entries", [](const fs::path& a) { dropLastLine(a / "stats.txt"); },
         "assets/stats.txt: has 3 entries, the squad has 4 (one line each: speed, dodge, "
         "accuracy, strength, weapon kind)"},
        {"story-31",
         [](const fs::path& a) {
             std::string rows;
             for (int i = 0; i < 31; ++i)
                 rows += "row\n";
             writeFile(a / "texts/story.txt", rows);
         },
         "assets/texts/story.txt: has 31 rows, the page holds 24 above its prompt"},
        {"endgame-100",
         [](const fs::path& a) {
             writeFile(a / "texts/endgame.txt", "The end\n" + std::string(100, 'a') + "\n");
         },
         "assets/texts/endgame.txt line 2: is 100 characters long, a row of the page holds 79"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CommandRun run = checkBroken(c.name, c.breakIt);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.errors, "assetcheck: " + c.line + "\n");
    }
}

TEST(AssetCheck, ThePageCountsRowsAsItDrawsThem) {
    const auto story = [](const std::string& text) {
        return checkBroken("page",
                           [text](const fs::path& a) { writeFile(a / "texts/story.txt", text); });
    };
    const auto rows = [](int count, size_t length) {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += std::string(length, 'r') + "\n";
        return text;
    };
    const std::string tooMany =
        "assetcheck: assets/texts/story.txt: has 25 rows, the page holds 24 "
        "above its prompt\n";
    EXPECT_EQ(story(rows(24, 78)).status, 0);
    EXPECT_EQ(story(rows(25, 78)).errors, tooMany);
    // The page reads 79 bytes at a time: the line feed after 79 characters
    // comes as a row of its own.
    EXPECT_EQ(story(rows(1, 79) + rows(22, 78)).status, 0);
    EXPECT_EQ(story(rows(1, 79) + rows(23, 78)).errors, tooMany);
    EXPECT_EQ(story(rows(1, 80)).errors, "assetcheck: assets/texts/story.txt line 1: is 80 "
                                         "characters long, a row of the page holds 79\n");
}
