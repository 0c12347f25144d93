#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "game_files.h"
#include "support/game_state_snapshot.h"
#include "world/floor_loading.h"
#include "world/settings.h"

namespace {
const std::string floorOne = "Map .//Data//Missions//f1.map Units 3 Squad 2 Medkits 1\n";
const std::string mapTwo = ".//Data//Missions//f2.map";
const std::string listError = "Error loading floor 2: .//Data//Missions//Mission.dat ";
const std::string mapError = "Error loading floor 2: " + mapTwo + " ";

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

MapGrid openMap(int32_t width, int32_t height) {
    MapGrid grid;
    grid.width = width;
    grid.height = height;
    grid.cells.assign(static_cast<size_t>(width) * height, CELL_FLOOR);
    return grid;
}

// Floor 1 is loaded and played a little; each case then breaks floor 2 and
// shows that the load is refused with its line and changes nothing.
class FloorRefusal : public GameFilesTest {
  protected:
    void SetUp() override {
        GameFilesTest::SetUp();
        writeRawMap(".//Data//Missions//f1.map", openMap(6, 6));
        writeRawMap(mapTwo, openMap(6, 6));
        listFloorTwo("Units 4 Squad 2 Medkits 1");
        ASSERT_TRUE(loadFloor(1)) << floorLoadError();
        units[0].x = 4;
        units[2].health = 3;
        turnSlot = 2;
    }

    void listFloorTwo(const std::string& counts) {
        writeText(".//Data//Missions//Mission.dat",
                  "2\n" + floorOne + "Map " + mapTwo + " " + counts);
    }

    void mapTwoIs(const MapGrid& grid) { writeRawMap(mapTwo, grid); }

    void expectRefused(const std::string& message, int32_t n = 2) {
        const GameStateSnapshot before = takeGameState();
        EXPECT_FALSE(loadFloor(n));
        EXPECT_EQ(floorLoadError(), message);
        EXPECT_EQ(gameStateDifference(before, takeGameState()), "");
    }
};
} // namespace

TEST_F(FloorRefusal, TheGoodFloorTwoLoads) {
    // The baseline every case below breaks in one way.
    EXPECT_TRUE(loadFloor(2)) << floorLoadError();
    EXPECT_EQ(floorLoadError(), "");
}

TEST_F(FloorRefusal, AMissingOrEmptyMissionList) {
    std::remove(".//Data//Missions//Mission.dat");
    expectRefused(listError + "cannot be opened");
    writeText(".//Data//Missions//Mission.dat", " \n");
    expectRefused(listError + "has no floor count");
}

TEST_F(FloorRefusal, AFloorCountThatIsNoCountOfFloors) {
    writeText(".//Data//Missions//Mission.dat", "two " + floorOne);
    expectRefused(listError + "has a malformed floor count \"two\"");
    writeText(".//Data//Missions//Mission.dat", "0 " + floorOne);
    expectRefused(listError + "lists no floors");
    writeText(".//Data//Missions//Mission.dat", "-2 " + floorOne);
    expectRefused(listError + "lists no floors");
}

TEST_F(FloorRefusal, AShortMissionList) {
    listFloorTwo("Units 4 Squad");
    expectRefused(listError + "ends before the squad size for floor 2");
    listFloorTwo("");
    expectRefused(listError + "ends before the label for floor 2");
    writeText(".//Data//Missions//Mission.dat", "2\n" + floorOne);
    expectRefused(listError + "ends before the label for floor 2");
}

TEST_F(FloorRefusal, MalformedNumbers) {
    listFloorTwo("Units 4x Squad 2 Medkits 1");
    expectRefused(listError + "has a malformed unit count \"4x\" for floor 2");
    listFloorTwo("Units 4 Squad 99999999999 Medkits 1");
    expectRefused(listError + "has a malformed squad size \"99999999999\" for floor 2");
    listFloorTwo("Units 4 Squad 2 Medkits 0x");
    expectRefused(listError + "has a malformed medkit count \"0x\" for floor 2");
    // A record of an earlier floor spoils the list too.
    writeText(".//Data//Missions//Mission.dat", "2 Map a.map Units three Squad 1 Medkits 0 Map " +
                                                    mapTwo + " Units 4 Squad 2 Medkits 1");
    expectRefused(listError + "has a malformed unit count \"three\" for floor 1");
}

TEST_F(FloorRefusal, OverLongWords) {
    writeText(".//Data//Missions//Mission.dat", "2\n" + floorOne + std::string(40, 'M') + " " +
                                                    mapTwo + " Units 4 Squad 2 Medkits 1");
    expectRefused(listError + "has a label over 39 characters for floor 2");
    listFloorTwo("Units 4 Squad 2 " + std::string(40, 'K') + " 1");
    expectRefused(listError + "has a label over 39 characters for floor 2");
    const std::string longPath = ".//Data//Missions//" + std::string(61, 'p') + ".map";
    writeText(".//Data//Missions//Mission.dat",
              "2\n" + floorOne + "Map " + longPath + " Units 4 Squad 2 Medkits 1");
    expectRefused(listError + "has a map path over 79 characters for floor 2");
}

TEST_F(FloorRefusal, ControlCharactersInsideWords) {
    // Bytes such as NUL are no white space, so they end up inside a word.
    const std::string list = "2\n" + floorOne + "Map " + mapTwo;
    writeBytes(".//Data//Missions//Mission.dat",
               list + " Units 4" + std::string(1, '\0') + " Squad 2 Medkits 1");
    expectRefused(listError + "has a malformed unit count \"4\\x00\" for floor 2");
    // The path up to the NUL names a file that exists: it must not be opened.
    writeBytes(".//Data//Missions//Mission.dat",
               list + std::string(1, '\0') + "x Units 4 Squad 2 Medkits 1");
    expectRefused(listError + "has a map path with a control character \"" + mapTwo +
                  "\\x00x\" for floor 2");
    writeBytes(".//Data//Missions//Mission.dat", list + "\x1b[2J Units 4 Squad 2 Medkits 1");
    expectRefused(listError + "has a map path with a control character \"" + mapTwo +
                  "\\x1B[2J\" for floor 2");
}

TEST_F(FloorRefusal, NoFloorZero) {
    const GameStateSnapshot before = takeGameState();
    EXPECT_FALSE(loadFloor(0));
    EXPECT_EQ(floorLoadError(),
              "Error loading floor 0: .//Data//Missions//Mission.dat has no floor 0");
    EXPECT_EQ(gameStateDifference(before, takeGameState()), "");
}

TEST_F(FloorRefusal, AMissingOrShortMapFile) {
    std::remove(mapTwo.c_str());
    expectRefused(mapError + "cannot be opened");
    writeRawInts(mapTwo, {6});
    expectRefused(mapError + "is too short for its header");
    writeRawInts(mapTwo, {6, 6, 0, 0, 0});
    expectRefused(mapError + "is too short for its 6 x 6 cells");
}

TEST_F(FloorRefusal, MapsOfTheWrongShapeOrSize) {
    mapTwoIs(openMap(6, 5));
    expectRefused(mapError + "is 6 wide and 5 high, floors are square");
    writeRawInts(mapTwo, {0, 0});
    expectRefused(mapError + "has a non-positive size (0 x 0)");
    writeRawInts(mapTwo, {-6, -6});
    expectRefused(mapError + "has a non-positive size (-6 x -6)");
}

TEST_F(FloorRefusal, MapsWhoseTilesWouldBeUnderOnePixel) {
    bandHeight = 475; // leaves 5 rows of pixels for 6 rows of cells
    expectRefused(mapError + "is too large: 6 cells across leave a tile under one pixel");
    bandHeight = 32;
    panelWidth = 636;
    expectRefused(mapError + "is too large: 6 cells across leave a tile under one pixel");
    panelWidth = 160;
    bandHeight = -100; // even odd settings do not let a map outgrow the screen
    mapTwoIs(openMap(481, 481));
    listFloorTwo("Units 4 Squad 2 Medkits 1");
    expectRefused(mapError + "is too large: 481 cells across leave a tile under one pixel");
}

TEST_F(FloorRefusal, UnknownCellCodes) {
    MapGrid grid = openMap(6, 6);
    grid.cells[2 * 6 + 3] = 5;
    mapTwoIs(grid);
    expectRefused(mapError + "holds the unknown cell code 5 at (column 3, row 2)");
    grid.cells[2 * 6 + 3] = CELL_MEDKIT;
    grid.cells[5 * 6 + 0] = -1;
    mapTwoIs(grid);
    expectRefused(mapError + "holds the unknown cell code -1 at (column 0, row 5)");
}

TEST_F(FloorRefusal, CountsThatCannotBePlayed) {
    listFloorTwo("Units 3 Squad 4 Medkits 1");
    expectRefused(mapError + "is listed with a squad of 4 but only 3 units");
    listFloorTwo("Units 3 Squad 6 Medkits 1");
    expectRefused(mapError + "is listed with a squad of 4 but only 3 units");
    listFloorTwo("Units -1 Squad 0 Medkits 1");
    expectRefused(mapError + "is listed with a negative unit count (-1)");
    listFloorTwo("Units 4 Squad -2 Medkits 1");
    expectRefused(mapError + "is listed with a negative squad size (-2)");
    listFloorTwo("Units 4 Squad 2 Medkits -3");
    expectRefused(mapError + "is listed with a negative medkit count (-3)");
    listFloorTwo("Units 0 Squad 0 Medkits 1");
    expectRefused(mapError + "is listed with no units");
}

TEST_F(FloorRefusal, StartCellsOutsideTheMap) {
    mapTwoIs(openMap(4, 4));
    listFloorTwo("Units 4 Squad 4 Medkits 0");
    expectRefused(mapError +
                  "is 4 wide and 4 high, too small for a squad of 4 (column 1, rows 1 to 4)");
    listFloorTwo("Units 7 Squad 2 Medkits 0");
    expectRefused(
        mapError +
        "is 4 high, too small for the 5 enemies of 7 units (one per row of the last column)");
    mapTwoIs(openMap(1, 1));
    listFloorTwo("Units 1 Squad 1 Medkits 0");
    expectRefused(mapError +
                  "is 1 wide and 1 high, too small for a squad of 1 (column 1, rows 1 to 1)");

    mapTwoIs(openMap(4, 4));
    listFloorTwo("Units 7 Squad 3 Medkits 0");
    EXPECT_TRUE(loadFloor(2)) << "three soldiers and four guards just fit";
}

TEST_F(FloorRefusal, MoreMedkitsThanFloorCells) {
    mapTwoIs(gridOf({"#.##", "#c#.", "E#.#", "####"}));
    listFloorTwo("Units 2 Squad 1 Medkits 4");
    expectRefused(mapError + "has 3 floor cells, too few for 4 medkits");
}

TEST_F(FloorRefusal, GuardsWithNowhereToPatrol) {
    mapTwoIs(gridOf({"###", "###", "#E#"}));
    listFloorTwo("Units 2 Squad 1 Medkits 0");
    expectRefused(mapError + "has no cell an enemy may patrol to");

    listFloorTwo("Units 1 Squad 1 Medkits 0");
    EXPECT_TRUE(loadFloor(2)) << "a squad alone needs no patrol cell";
}
