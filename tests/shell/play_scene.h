// Scenes for playing the turn loop headless: the test pictures, a fixed screen
// layout and small floors built with the floor builder.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "support/scripted_platform.h"
#include "world/game_state.h"

// 8 x 8 maps on this layout give tiles of 60 x 50 pixels.
constexpr int32_t TEST_PANEL_WIDTH = 160;
constexpr int32_t TEST_BAND_HEIGHT = 80;
constexpr int32_t TEST_SHOT_TICKS = 5;

class PlayScene : public ::testing::Test {
  protected:
    void SetUp() override;

    // The search set up as a floor load leaves it.
    static void readySearch();

    // An open 8 x 8 floor, one of two listed. The soldier stands at (1, 1)
    // and acts first; the guard is walled into the corner (7, 7), where it
    // can neither see nor walk, and patrols towards (0, 0), which it never
    // reaches, so each of its turns ends at its first action.
    void walledInGuardScene();

    int32_t soldier = NO_UNIT;
    int32_t guard = NO_UNIT;
};

// Pixel in the middle of the cell.
inline Moment pointerAtCell(int32_t x, int32_t y) {
    return pointerAt(cellPixelX(x), cellPixelY(y));
}
inline Moment pressAtCell(int32_t x, int32_t y, int32_t buttons = 1) {
    return pressAt(cellPixelX(x), cellPixelY(y), buttons);
}
