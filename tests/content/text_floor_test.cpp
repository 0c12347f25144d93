#include <gtest/gtest.h>

#include "content_files.h"
#include "text_floor.h"
#include "world/game_state.h"

namespace {

std::string floorText(const std::string& counts, const std::string& rows) {
    return "name tiny\n" + counts + "map\n" + rows;
}

const std::string ONE_SOLDIER = "units 1\nsquad 1\nmedkits 0\n";

std::string refusal(const std::string& text) {
    TextFloor floor;
    std::string why;
    EXPECT_FALSE(parseTextFloor(text, floor, why));
    return why;
}

} // namespace

TEST(TextFloor, CompilesToTheExactBinaryBytesColumnByColumn) {
    TextFloor floor;
    std::string why;
    ASSERT_TRUE(parseTextFloor(floorText(ONE_SOLDIER, "#c.\n.S.\n..E\n"), floor, why)) << why;
    const auto path = freshTempDir("bytes") / "tiny.map";
    ASSERT_TRUE(writeMapFile(path.string().c_str(), floor.grid));

    // Width 3, height 3, then column 0 from the top (wall, floor, floor),
    // column 1 (cover, floor, floor), column 2 (floor, floor, exit).
    const std::vector<int32_t> words = {3, 3, 2, 0, 0, 1, 0, 0, 0, 0, 3};
    std::string expected;
    for (int32_t w : words)
        for (int i = 0; i < 4; ++i)
            expected += static_cast<char>((static_cast<uint32_t>(w) >> (8 * i)) & 0xFF);
    EXPECT_EQ(readFile(path.string()), expected);
}

TEST(TextFloor, ReadsCountsLabelCellsAndMarks) {
    TextFloor floor;
    std::string why;
    const std::string text = "# a comment\r\n"
                             "name vault\r\n"
                             "units 0x3\r\n" // the game's %i rules
                             "squad 1\r\n"
                             "medkits 010\r\n"
                             "map\r\n"
                             ".c..\r\n"
                             ".S#.\r\n"
                             "...X\r\n"
                             "E..X\r\n"
                             "\r\n";
    ASSERT_TRUE(parseTextFloor(text, floor, why)) << why;
    EXPECT_EQ(floor.label, "vault");
    EXPECT_EQ(floor.plan.unitCount, 3);
    EXPECT_EQ(floor.plan.squadSize, 1);
    EXPECT_EQ(floor.plan.medkitCount, 8);
    EXPECT_EQ(floor.grid.width, 4);
    EXPECT_EQ(floor.grid.height, 4);
    // Row-major in memory: y * width + x.
    EXPECT_EQ(floor.grid.cells[0 * 4 + 1], CELL_WALL2);
    EXPECT_EQ(floor.grid.cells[1 * 4 + 2], CELL_WALL);
    EXPECT_EQ(floor.grid.cells[3 * 4 + 0], CELL_EXIT);
    EXPECT_EQ(floor.grid.cells[1 * 4 + 1], CELL_FLOOR); // a mark is floor
    ASSERT_EQ(floor.squadMarks.size(), 1u);
    EXPECT_EQ(floor.squadMarks[0], (CellPos{1, 1}));
    ASSERT_EQ(floor.enemyMarks.size(), 2u);
    EXPECT_EQ(floor.enemyMarks[0], (CellPos{3, 2}));
    EXPECT_EQ(floor.enemyMarks[1], (CellPos{3, 3}));
    EXPECT_EQ(checkStartMarks(floor), "");
}

TEST(TextFloor, RefusesBrokenMapsWithTheLineAndTheReason) {
    EXPECT_EQ(refusal(floorText(ONE_SOLDIER, "...\n.q.\n..E\n")),
              "line 7: unknown cell character 'q' (cells are . c # E S X)");
    EXPECT_EQ(refusal(floorText(ONE_SOLDIER, "...\n....\n..E\n")),
              "line 7: row is 4 cells wide, the first row is 3");
    EXPECT_EQ(refusal(floorText(ONE_SOLDIER, "...\n..\n..E\n")),
              "line 7: row is 2 cells wide, the first row is 3");
    EXPECT_EQ(refusal(floorText(ONE_SOLDIER, "...\n\n...\n..E\n")),
              "line 8: blank line inside the map");
    EXPECT_EQ(refusal(floorText(ONE_SOLDIER, "")), "line 5: the floor has no map");
    EXPECT_EQ(refusal(floorText(ONE_SOLDIER, ".\t.\n")),
              "line 6: unknown cell character '\t' (cells are . c # E S X)");
}

TEST(TextFloor, CommentsAfterCountsAndBlanksAtLineEndsAreNotContent) {
    TextFloor floor;
    std::string why;
    ASSERT_TRUE(parseTextFloor("# a hall\nname hall   # its label\t\nunits 2 # all\nsquad 1\t\n"
                               "medkits 0#none\nmap # below\n... \n.S.\t\n..X\r\n",
                               floor, why))
        << why;
    EXPECT_EQ(floor.label, "hall");
    EXPECT_EQ(floor.plan.unitCount, 2);
    EXPECT_EQ(floor.plan.medkitCount, 0);
    EXPECT_EQ(floor.grid.width, 3);
    EXPECT_EQ(floor.grid.height, 3);
    EXPECT_EQ(checkStartMarks(floor), "");
}

TEST(TextFloor, RefusesMissingOrMalformedCounts) {
    EXPECT_EQ(refusal("name a\nunits 2\nsquad 1\nmap\n.E\n..\n"),
              "line 6: the floor needs its units, squad and medkits counts");
    EXPECT_EQ(refusal("name a\nunits six\n"), "line 2: units needs one whole number");
    EXPECT_EQ(refusal("name a\nunits 2 3\n"), "line 2: units needs one whole number");
    EXPECT_EQ(refusal("name a\nunits 2\nunits 3\n"), "line 3: units is given twice");
    EXPECT_EQ(refusal("units 1\nsquad 1\nmedkits 0\nmap\n.E\n"), "line 5: the floor has no name");
    EXPECT_EQ(refusal("name " + std::string(40, 'a') + "\n"),
              "line 1: name needs one word of at most 39 characters");
    EXPECT_EQ(refusal("name a\nenemies 3\n"), "line 2: unknown word 'enemies'");
}

TEST(TextFloor, StartMarksMustStandOnTheGamesStartCells) {
    TextFloor floor;
    std::string why;
    // Squad of 2 in column 1, rows 1 and 2; one enemy in the bottom-right cell.
    ASSERT_TRUE(parseTextFloor(
        floorText("units 3\nsquad 2\nmedkits 0\n", "....\n.S..\n.S..\n..EX\n"), floor, why));
    EXPECT_EQ(checkStartMarks(floor), "");

    ASSERT_TRUE(parseTextFloor(
        floorText("units 3\nsquad 2\nmedkits 0\n", "....\n.S..\n..S.\n..EX\n"), floor, why));
    EXPECT_EQ(checkStartMarks(floor),
              "line 8: 'S' at (column 2, row 2) is not a start cell: squad 2 starts in column 1, "
              "rows 1 to 2");

    ASSERT_TRUE(parseTextFloor(
        floorText("units 3\nsquad 2\nmedkits 0\n", "....\n.S..\n.S..\n..E.\n"), floor, why));
    EXPECT_EQ(checkStartMarks(floor),
              "line 9: '.' at (column 3, row 3) should be 'X': units 3 and squad 2 give 1 enemy, "
              "who starts in column 3, row 3");

    // Every start cell needs its mark, so a map always shows where the units stand.
    ASSERT_TRUE(parseTextFloor(
        floorText("units 3\nsquad 2\nmedkits 0\n", "....\n.S..\n....\n..EX\n"), floor, why));
    EXPECT_EQ(checkStartMarks(floor),
              "line 8: '.' at (column 1, row 2) should be 'S': squad 2 starts in column 1, rows 1 "
              "to 2");
}
