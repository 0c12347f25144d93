// The panel's boxes and known texts are written straight into the rows; each
// must leave exactly the pixels the library's own call leaves, clipped or not.
#include <allegro.h>

#include <gtest/gtest.h>

#include "draw/solid_fill.h"
#include "draw/text_stencil.h"
#include "drawing_fixture.h"

namespace {
struct Place {
    int32_t x1, y1, x2, y2;
};
// Inside, corners swapped, past every edge, one pixel wide, wholly outside, a
// 32-bit colour value.
constexpr Place PLACES[] = {{10, 10, 40, 20},   {40, 20, 10, 10},  {-5, -3, 7, 4},
                            {630, 470, 700, 500}, {5, 0, 5, 479},  {-20, -20, -1, -1},
                            {700, 10, 650, 12}};
constexpr int32_t WIDE_PIXEL = 0x12345678;

bool sameBitmaps(BITMAP* a, BITMAP* b) {
    for (int32_t y = 0; y < a->h; ++y)
        for (int32_t x = 0; x < a->w; ++x)
            if (getpixel(a, x, y) != getpixel(b, x, y))
                return false;
    return true;
}

using RowDrawingTest = DrawingTest;

TEST_F(RowDrawingTest, BoxesAndTextLeaveTheLibrarysPixels) {
    BITMAP* mine = create_bitmap(backBuffer->w, backBuffer->h);
    BITMAP* library = create_bitmap(backBuffer->w, backBuffer->h);
    for (const Place& p : PLACES) {
        for (const bool narrow : {true, false}) {
            clear_to_color(mine, 7);
            clear_to_color(library, 7);
            set_clip_rect(mine, 3, 2, narrow ? 600 : 639, narrow ? 300 : 479);
            set_clip_rect(library, 3, 2, narrow ? 600 : 639, narrow ? 300 : 479);
            fillBox(mine, p.x1, p.y1, p.x2, p.y2, WIDE_PIXEL);
            rectfill(library, p.x1, p.y1, p.x2, p.y2, WIDE_PIXEL);
            drawKnownText(mine, p.x1, p.y2, WIDE_PIXEL, "Accuracy");
            textout_ex(library, font, "Accuracy", p.x1, p.y2, WIDE_PIXEL, -1);
            EXPECT_TRUE(sameBitmaps(mine, library))
                << p.x1 << "," << p.y1 << " " << p.x2 << "," << p.y2 << (narrow ? " in a narrow clip" : "");
        }
    }
    destroy_bitmap(mine);
    destroy_bitmap(library);
}
} // namespace
