#include "draw/page_text.h"

#include <allegro.h>

#include "draw/colours.h"

namespace {
constexpr int32_t TEXT_LEFT = 10;
constexpr int32_t TEXT_TOP = 60;
constexpr int32_t ROW_STEP = 16;
constexpr int32_t PROMPT_ABOVE_BOTTOM = 25;
constexpr const char* PROMPT = "Press any key to continue";
} // namespace

void clearPage(BITMAP* page) {
    clear_bitmap(page);
}

void drawPageRow(BITMAP* page, int32_t row, const char* text) {
    const int64_t y = TEXT_TOP + int64_t{row} * ROW_STEP;
    // Rows past the page's foot are clipped anyway; this keeps y in range.
    if (y >= page->h)
        return;
    textprintf(page, font, TEXT_LEFT, static_cast<int>(y), pixelOf(WHITE), "%s", text);
}

void drawPagePrompt(BITMAP* page) {
    textprintf_centre(page, font, page->w / 2, page->h - PROMPT_ABOVE_BOTTOM, pixelOf(WHITE), "%s",
                      PROMPT);
}
