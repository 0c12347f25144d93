// Frames on a floor set up the way a floor load leaves it: the search configured,
// the static picture drawn, and a presenter that records what reached it.
#pragma once

#include "draw/frame.h"
#include "draw/map_background.h"
#include "drawing_fixture.h"
#include "path/movement_rules.h"
#include "world/floor_loading.h"

class FrameTest : public DrawingTest {
  protected:
    void SetUp() override {
        DrawingTest::SetUp();
        presented = 0;
        lastPresented = nullptr;
        setFramePresenter(record);
    }
    void TearDown() override {
        setFramePresenter(nullptr);
        setPointerReader(nullptr);
        DrawingTest::TearDown();
    }

    static void buildOpenFloor() {
        constexpr const char* o = "................";
        buildFloor({o, o, o, o, o, o, o, o, o, o, o, o, o, o, o, o});
    }
    static void setCell(int32_t x, int32_t y, int32_t code) { mapCells[cellIndex(x, y)] = code; }

    // What loadFloor does after placing units and medkits.
    static void finishLoading() {
        configurePathSearch(pathSearch, mapWidth);
        drawMapBackground();
    }

    // Tiles are 30 x 30 on a 16-cell map.
    static int32_t left(int32_t x) { return 160 + x * 30; }
    static int32_t top(int32_t y) { return y * 30; }
    static void drawFrameOver(int32_t x, int32_t y) { drawFrame(left(x) + 20, top(y) + 5); }

    static bool pointerShows(int32_t x, int32_t y, Rgb colour) {
        return allColour(backBuffer, x, y, x + 11, y + 9, colour) &&
               countColour(backBuffer, 0, 0, 639, 479, colour) == 12 * 10;
    }
    static bool cellShowsPreview(int32_t x, int32_t y, const char* steps, Rgb frame) {
        return showsText(backBuffer, left(x) + 15, top(y) + 15, steps, WHITE, TextAnchor::Centre) &&
               allColour(backBuffer, left(x) + 1, top(y) + 1, left(x) + 29, top(y) + 2, frame);
    }
    static int32_t framePixels(Rgb colour) {
        return countColour(backBuffer, 161, 0, 639, 479, colour);
    }

    static void record(BITMAP* frame) {
        ++presented;
        lastPresented = frame;
    }
    static inline int32_t presented = 0;
    static inline BITMAP* lastPresented = nullptr;
};
