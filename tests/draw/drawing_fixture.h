// Every drawing test starts from fresh stand-in pictures and the same settings:
// a panel 160 wide, no band, the roster from the panel's top in rows of 110.
// A 16-cell map then has tiles of 30 x 30.
#pragma once

#include <gtest/gtest.h>

#include "draw/pictures.h"
#include "support/test_bitmaps.h"
#include "support/test_floor.h"
#include "world/settings.h"

constexpr Rgb HIGHLIGHT{64, 0, 96};

class DrawingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        createTestPictures();
        panelWidth = 160;
        bandHeight = 0;
        rosterTop = 0;
        rosterRowHeight = 110;
        highlightColor = pixelOf(HIGHLIGHT);
    }
    void TearDown() override {
        destroyTestPictures();
        releaseFloorArrays();
    }
};
