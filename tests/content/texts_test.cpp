#include <gtest/gtest.h>

#include <cstdio>

#include "content_files.h"
#include "world/settings_file.h"

namespace {

// The text page shows rows 16 pixels apart from y = 60, and the prompt sits
// at y = 455: the 25th row would run into it. A row holds 79 characters.
constexpr size_t PAGE_ROWS_MAX = 24;
constexpr size_t PAGE_COLUMNS_MAX = 79;

// The side panel: an entry needs 106 rows, then come the title and a notice
// line 25 pixels below the roster, 8 pixels high.
constexpr int ROSTER_ENTRIES = 4;
constexpr int ROSTER_ROW_MIN = 106;
constexpr int PANEL_FOOTER = 25 + 8;
// "Accuracy" at x = 2 and the 10-point bar outline to x = 62.
constexpr int PANEL_CONTENT_WIDTH = 2 + 8 * 8;

// The screen between floors shows for this many ticks; a step takes one.
constexpr int TRANSITION_TICKS = 101;
constexpr int WALK_STEP_MS_MIN = 50;

void expectPage(const std::string& name) {
    SCOPED_TRACE(name);
    const std::string text = readFile(gamePath(name));
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n') << "the last row is shown whole";
    const std::vector<std::string> rows = readLines(gamePath(name));
    EXPECT_LE(rows.size(), PAGE_ROWS_MAX);
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_LE(rows[i].size(), PAGE_COLUMNS_MAX) << "row " << i + 1;
        for (char c : rows[i])
            EXPECT_TRUE(c >= ' ' && c <= '~') << "row " << i + 1 << " has a character the font "
                                              << "may not show: " << int(c);
    }
}

} // namespace

TEST(ShippedTexts, StoryAndEndgameFitTheTextPage) {
    expectPage("story.txt");
    expectPage("endgame.txt");
    EXPECT_EQ(readFile(gamePath("story.txt")), readFile(sourcePath("assets/texts/story.txt")));
}

TEST(ShippedSettings, AllSevenRecordsReadAndSuitTheCampaign) {
    SettingsRecords s;
    ASSERT_TRUE(parseSettingsFile(gamePath("init.txt").c_str(), s));
    EXPECT_EQ(s.wholeRecords, 7);
    // The roster of four fits the panel with room for the title and notice.
    EXPECT_GE(s.rosterRowHeight, ROSTER_ROW_MIN);
    EXPECT_GE(s.rosterTop, 0);
    EXPECT_LE(s.rosterTop + ROSTER_ENTRIES * s.rosterRowHeight + PANEL_FOOTER, 480);
    // The highlight lines up with the entries only from the panel's top.
    EXPECT_EQ(s.rosterTop, 0);
    EXPECT_GE(s.panelWidth, PANEL_CONTENT_WIDTH);
    EXPECT_GT(s.bandHeight, 0);
    // The pace: the screen between floors lasts at most six seconds, an
    // enemy's walk stays slow enough to follow, and a shot stays on screen
    // long enough to read its number and the notice line.
    EXPECT_LE(TRANSITION_TICKS * s.tickMs, 6000);
    EXPECT_GE(s.tickMs, WALK_STEP_MS_MIN);
    EXPECT_GE(s.shotShowTicks * s.tickMs, 1500);
    EXPECT_LE(s.shotShowTicks * s.tickMs, 2000);
    // A highlight that is neither black nor white, so both the sprite and
    // the white roster text show on it.
    for (int c : {s.red, s.green, s.blue}) {
        EXPECT_GE(c, 0);
        EXPECT_LE(c, 255);
    }
    EXPECT_GT(s.red + s.green + s.blue, 60);
    EXPECT_LT(s.red + s.green + s.blue, 500);
}

TEST(ShippedSquadStats, FourEntriesOfPlayableStatistics) {
    std::FILE* f = std::fopen(gamePath("stats.txt").c_str(), "r");
    ASSERT_NE(f, nullptr);
    int values[20];
    int read = 0;
    while (read < 20 && std::fscanf(f, "%i", &values[read]) == 1)
        ++read;
    int extra;
    const bool more = std::fscanf(f, "%i", &extra) == 1;
    std::fclose(f);
    ASSERT_EQ(read, 20);
    EXPECT_FALSE(more);
    for (int e = 0; e < 4; ++e) {
        SCOPED_TRACE("entry " + std::to_string(e + 1));
        // speed, dodge, accuracy, strength: at least 1 (dodge and accuracy
        // are divisors of the rolls), at most the bar's 10 points.
        for (int i = 0; i < 4; ++i) {
            EXPECT_GE(values[e * 5 + i], 1);
            EXPECT_LE(values[e * 5 + i], 10);
        }
        EXPECT_GE(values[e * 5 + 4], 0) << "a weapon kind";
        EXPECT_LE(values[e * 5 + 4], 2);
    }
}
