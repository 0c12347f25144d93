#include "draw/transition_screen.h"

#include <allegro.h>

#include "draw/colours.h"

namespace {
constexpr int32_t NOTICE_X = 320;
constexpr int32_t NOTICE_Y = 240;
} // namespace

void drawTransitionScreen(BITMAP* canvas) {
    if (!canvas)
        return;
    clear_bitmap(canvas);
    textprintf_centre(canvas, font, NOTICE_X, NOTICE_Y, pixelOf(WHITE), "Entering Next Floor ...");
}
