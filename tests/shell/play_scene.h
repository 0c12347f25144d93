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

    // An open 8 x 8 floor, the first of two. The soldier stands at (1, 1) and
    // acts first. The guard acts second, walled into a pocket at the bottom
    // right where nobody can see it or be seen by it; it patrols there between
    // (7, 7) and (7, 5), one step per tick. A squad mate, when asked for,
    // stands at (1, 2) and acts between them.
    void pocketGuardScene(bool withMate = false);
    // Ticks at which the guard stood on another cell than at the tick before.
    void watchGuard(ScriptedPlatform& play);
    int32_t guardSteps = 0;

    int32_t soldier = NO_UNIT;
    int32_t guard = NO_UNIT;
    int32_t mate = NO_UNIT;
};

// Pixel in the middle of the cell.
inline Moment pointerAtCell(int32_t x, int32_t y) {
    return pointerAt(cellPixelX(x), cellPixelY(y));
}
inline Moment pressAtCell(int32_t x, int32_t y, int32_t buttons = 1) {
    return pressAt(cellPixelX(x), cellPixelY(y), buttons);
}
