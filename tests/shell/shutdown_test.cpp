// shutdownGame releases everything start-up and the floor acquired, and the
// library's platform table copes with what shutdown leaves behind.
#include <gtest/gtest.h>

#include <allegro.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "draw/picture_table.h"
#include "draw/pictures.h"
#include "shell/platform.h"
#include "shell/platform_allegro.h"
#include "shell/shot_samples.h"
#include "shell/startup.h"
#include "support/test_floor.h"

namespace {
std::vector<BITMAP**> allBitmaps() {
    std::vector<BITMAP**> slots{&backBuffer};
    for (const PictureRow& row : PICTURE_TABLE)
        slots.push_back(row.global);
    return slots;
}

class Shutdown : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(install_allegro(SYSTEM_NONE, &errno, std::atexit), 0);
        // The samples go back through the table in use.
        installPlatform(allegroPlatform());
        // Earlier tests in this binary may have left pictures in the slots.
        for (BITMAP** slot : allBitmaps()) {
            if (*slot)
                destroy_bitmap(*slot);
            *slot = create_bitmap_ex(16, 8, 8);
        }
        for (SAMPLE*& sample : shotSamples)
            sample = create_sample(8, 0, 8000, 16);
        buildFloor({"...", "...", "..E"});
        addUnit(SIDE_SQUAD, 0, 0);
        addUnit(SIDE_ENEMY, 2, 1);
        addMedkit(1, 1);
    }
    void TearDown() override { installPlatform(nullPlatform()); }
};

TEST_F(Shutdown, ReleasesEveryPictureSampleAndFloorArray) {
    shutdownGame();
    for (BITMAP** slot : allBitmaps())
        EXPECT_EQ(*slot, nullptr);
    for (SAMPLE* sample : shotSamples)
        EXPECT_EQ(sample, nullptr);
    EXPECT_TRUE(mapCells.empty());
    EXPECT_TRUE(occupancy.empty());
    EXPECT_TRUE(units.empty());
    EXPECT_TRUE(turnOrder.empty());
}

TEST_F(Shutdown, ASecondCallFindsNothingLeft) {
    // The quit button and the failed text pages shut down before main does.
    shutdownGame();
    shutdownGame();
    EXPECT_EQ(backBuffer, nullptr);
    EXPECT_TRUE(units.empty());
}
} // namespace
