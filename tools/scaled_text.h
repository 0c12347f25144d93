// The library's 8 x 8 font drawn with each pixel blown up to a block, for
// headings and button labels on the full-screen pictures.
#pragma once

#include <functional>

struct BITMAP;

constexpr int FONT_CELL = 8; // the built-in font's glyph width and height

// Colour of the text's source row 0..7, so a heading can shade top to bottom.
using RowColour = std::function<int(int row)>;

int scaledTextWidth(const char* text, int scaleX);
void drawScaledText(BITMAP* target, const char* text, int x, int y, int scaleX, int scaleY,
                    const RowColour& colour);
void drawScaledTextCentred(BITMAP* target, const char* text, int centreX, int y, int scaleX,
                           int scaleY, const RowColour& colour);
