#include "scaled_text.h"

#include <allegro.h>

#include <cstring>

int scaledTextWidth(const char* text, int scaleX) {
    return text_length(font, text) * scaleX;
}

void drawScaledText(BITMAP* target, const char* text, int x, int y, int scaleX, int scaleY,
                    const RowColour& colour) {
    const int width = text_length(font, text);
    const int height = text_height(font);
    if (width <= 0)
        return;
    BITMAP* glyphs = create_bitmap_ex(8, width, height);
    clear_to_color(glyphs, 0);
    textout_ex(glyphs, font, text, 0, 0, 1, -1);
    for (int row = 0; row < height; ++row) {
        const int c = colour(row);
        for (int col = 0; col < width; ++col)
            if (getpixel(glyphs, col, row) != 0)
                rectfill(target, x + col * scaleX, y + row * scaleY, x + (col + 1) * scaleX - 1,
                         y + (row + 1) * scaleY - 1, c);
    }
    destroy_bitmap(glyphs);
}

void drawScaledTextCentred(BITMAP* target, const char* text, int centreX, int y, int scaleX,
                           int scaleY, const RowColour& colour) {
    drawScaledText(target, text, centreX - scaledTextWidth(text, scaleX) / 2, y, scaleX, scaleY,
                   colour);
}
