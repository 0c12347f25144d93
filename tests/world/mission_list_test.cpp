#include <gtest/gtest.h>

#include "game_files.h"
#include "world/mission_list.h"

namespace {
class MissionList : public GameFilesTest {
  protected:
    bool read(const std::string& text, int32_t n) {
        writeText("m.dat", text);
        why.clear();
        return readMissionList("m.dat", n, floors, plan, why);
    }
    int32_t floors = -9;
    FloorPlan plan;
    std::string why;
};

const std::vector<FloorRecord> threeFloors = {
    {".//a.map", 3, 1, 0}, {".//b.map", 5, 2, 1}, {".//c.map", 7, 6, 2}};
} // namespace

TEST_F(MissionList, ALaterFloorSkipsTheRecordsBeforeIt) {
    ASSERT_TRUE(read(missionText(threeFloors), 3)) << why;
    EXPECT_EQ(floors, 3);
    EXPECT_EQ(plan.mapPath, ".//c.map");
    EXPECT_EQ(plan.unitCount, 7);
    EXPECT_EQ(plan.squadSize, 6) << "kept as listed";
    EXPECT_EQ(playedSquadSize(plan), 4);
    EXPECT_EQ(plan.medkitCount, 2);

    ASSERT_TRUE(read(missionText(threeFloors), 1));
    EXPECT_EQ(plan.mapPath, ".//a.map");
}

TEST_F(MissionList, AFloorPastTheLastReadsWellAndLeavesThePlanAlone) {
    plan.mapPath = "kept";
    ASSERT_TRUE(read(missionText(threeFloors), 4)) << why;
    EXPECT_EQ(floors, 3);
    EXPECT_EQ(plan.mapPath, "kept");
}

TEST_F(MissionList, RecordsAreTokensWhateverTheLineBreaks) {
    ASSERT_TRUE(read("  0x2 A .//a.map B 3 C\t1 D 0\n\nA .//b.map B 010 C -0 D +0x1", 2)) << why;
    EXPECT_EQ(floors, 2);
    EXPECT_EQ(plan.unitCount, 8) << "octal";
    EXPECT_EQ(plan.squadSize, 0);
    EXPECT_EQ(plan.medkitCount, 1);
}

TEST_F(MissionList, WordsUpToTheirLimitsAreAccepted) {
    const std::string label(39, 'L');
    const std::string path = ".//" + std::string(76, 'p');
    ASSERT_TRUE(read("1 " + label + " " + path + " " + label + " 1 U 1 S 0", 1)) << why;
    EXPECT_EQ(plan.mapPath, path);

    EXPECT_FALSE(read("1 " + label + "L " + path + " U 1 S 1 M 0", 1));
    EXPECT_EQ(why, "has a label over 39 characters for floor 1");
    EXPECT_FALSE(read("1 L " + path + "p U 1 S 1 M 0", 1));
    EXPECT_EQ(why, "has a map path over 79 characters for floor 1");
}

TEST_F(MissionList, NumbersHaveNoLengthLimitAndMalformedOnesAreShownCut) {
    const std::string padded = std::string(40, '0') + "3";
    ASSERT_TRUE(read("0" + padded + " L a.map U " + padded + " S 1 M 0", 1)) << why;
    EXPECT_EQ(floors, 3);
    EXPECT_EQ(plan.unitCount, 3);
    EXPECT_FALSE(read("1 L a.map U 3 S 1 M " + std::string(70, '7') + "x", 1));
    EXPECT_EQ(why, "has a malformed medkit count \"" + std::string(60, '7') + "...\" for floor 1");
    EXPECT_FALSE(read("1 L a.map U 3 S 1x M 0", 1));
    EXPECT_EQ(why, "has a malformed squad size \"1x\" for floor 1");
}

TEST_F(MissionList, AFailedReadLeavesTheFloorCountAlone) {
    EXPECT_FALSE(read("2 A a.map B 1 C 1 D 0", 2));
    EXPECT_EQ(why, "ends before the label for floor 2");
    EXPECT_EQ(floors, -9);
    EXPECT_FALSE(readMissionList("absent.dat", 1, floors, plan, why));
    EXPECT_EQ(why, "cannot be opened");
}
