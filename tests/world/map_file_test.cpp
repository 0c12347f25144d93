#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "game_files.h"
#include "world/floor_loading.h"
#include "world/map_file.h"

namespace {
class MapFile : public GameFilesTest {};

std::vector<unsigned char> bytesOf(const char* path) {
    std::vector<unsigned char> bytes;
    std::FILE* file = std::fopen(path, "rb");
    if (!file)
        return bytes;
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file))
        bytes.push_back(static_cast<unsigned char>(c));
    std::fclose(file);
    return bytes;
}

std::string readFails(const std::vector<int32_t>& values) {
    writeRawInts("bad.map", values);
    MapGrid grid;
    grid.width = 77;
    std::string why;
    EXPECT_FALSE(readMapFile("bad.map", grid, why));
    EXPECT_EQ(grid.width, 77) << "a failed read leaves the grid alone";
    return why;
}
} // namespace

TEST_F(MapFile, TheColumnMajorBlockIsTransposedIntoRows) {
    writeRawInts("a.map", {3, 3, 2, 0, 0, 0, 0, 0, 0, 0, 3});
    ASSERT_TRUE(loadMap("a.map"));
    EXPECT_EQ(mapWidth, 3);
    EXPECT_EQ(mapHeight, 3);
    EXPECT_EQ(mapCells, (std::vector<int32_t>{2, 0, 0, 0, 0, 0, 0, 0, 3}));

    writeRawInts("b.map", {3, 3, 0, 2, 0, 0, 0, 0, 0, 0, 0});
    ASSERT_TRUE(loadMap("b.map"));
    EXPECT_EQ(mapCells[cellIndex(0, 1)], CELL_WALL) << "column 0, row 1";
    EXPECT_EQ(mapCells[cellIndex(1, 0)], CELL_FLOOR);

    writeRawInts("c.map", {3, 3, 0, 1, 2, 0, 0, 0, 3, 0, 0});
    ASSERT_TRUE(loadMap("c.map"));
    EXPECT_EQ(mapCells, (std::vector<int32_t>{0, 0, 3, 1, 0, 0, 2, 0, 0}));
    EXPECT_EQ(occupancy, std::vector<int32_t>(9, 0));
}

TEST_F(MapFile, ARectangleReadsColumnByColumnToo) {
    // Two columns of three rows: the tool can read what the game refuses.
    writeRawInts("r.map", {2, 3, 1, 2, 3, 0, 4, 1});
    MapGrid grid;
    std::string why;
    ASSERT_TRUE(readMapFile("r.map", grid, why)) << why;
    EXPECT_EQ(grid.width, 2);
    EXPECT_EQ(grid.height, 3);
    EXPECT_EQ(grid.cells, (std::vector<int32_t>{1, 0, 2, 4, 3, 1}));
}

TEST_F(MapFile, WritingGivesLittleEndianColumnsAndReadsBackTheSame) {
    MapGrid grid = gridOf({".#E", "c+.", "..#"});
    grid.cells[0] = -2; // any 32-bit value survives the trip
    ASSERT_TRUE(writeMapFile("w.map", grid));
    const std::vector<unsigned char> bytes = bytesOf("w.map");
    ASSERT_EQ(bytes.size(), 8u + 4u * 9u);
    EXPECT_EQ((std::vector<unsigned char>(bytes.begin(), bytes.begin() + 12)),
              (std::vector<unsigned char>{3, 0, 0, 0, 3, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(bytes[12], CELL_WALL2) << "second value is column 0, row 1";

    MapGrid back;
    std::string why;
    ASSERT_TRUE(readMapFile("w.map", back, why)) << why;
    EXPECT_EQ(back.width, 3);
    EXPECT_EQ(back.height, 3);
    EXPECT_EQ(back.cells, grid.cells);
}

TEST_F(MapFile, AGridWhoseCellsDoNotMatchItsSizeIsNotWritten) {
    MapGrid grid = gridOf({"..", ".."});
    grid.cells.pop_back();
    EXPECT_FALSE(writeMapFile("w.map", grid));
    EXPECT_FALSE(writeMapFile("no/such/dir/w.map", gridOf({".."})));
}

TEST_F(MapFile, BrokenFilesAreRefusedWithTheirReason) {
    MapGrid grid;
    std::string why;
    EXPECT_FALSE(readMapFile("missing.map", grid, why));
    EXPECT_EQ(why, "cannot be opened");

    EXPECT_EQ(readFails({}), "is too short for its header");
    EXPECT_EQ(readFails({4}), "is too short for its header");
    EXPECT_EQ(readFails({0, 0}), "has a non-positive size (0 x 0)");
    EXPECT_EQ(readFails({3, -3}), "has a non-positive size (3 x -3)");
    EXPECT_EQ(readFails({2, 2, 0, 0, 0}), "is too short for its 2 x 2 cells");
    // A header claiming a vast map must not make the reader ask for the memory.
    EXPECT_EQ(readFails({0x7FFFFFFF, 0x7FFFFFFF, 0}),
              "is too short for its 2147483647 x 2147483647 cells");
}

TEST_F(MapFile, ARefusedMapLeavesTheLoadedOneInPlace) {
    writeRawInts("good.map", {2, 2, 0, 2, 3, 0});
    ASSERT_TRUE(loadMap("good.map"));
    const std::vector<int32_t> cells = mapCells;
    writeRawInts("odd.map", {2, 3, 0, 0, 0, 0, 0, 0});
    writeRawInts("code.map", {2, 2, 0, 0, 9, 0});
    EXPECT_FALSE(loadMap("missing.map"));
    EXPECT_FALSE(loadMap("odd.map"));
    EXPECT_FALSE(loadMap("code.map"));
    EXPECT_EQ(mapWidth, 2);
    EXPECT_EQ(mapHeight, 2);
    EXPECT_EQ(mapCells, cells);
}
