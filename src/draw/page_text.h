// The story and endgame pages: rows of white text from the top left, one row
// per piece of the file, and the prompt at the foot. Drawn onto any bitmap;
// the game draws them onto the back buffer.
#pragma once

#include <cstdint>

struct BITMAP;

// Clears the page: nothing shows behind the rows.
void clearPage(BITMAP* page);
// Row 0 is the first; every row sits a fixed step below the one before. The
// text is drawn as it stands: a percent sign is no format.
void drawPageRow(BITMAP* page, int32_t row, const char* text);
// "Press any key to continue", centred near the page's foot.
void drawPagePrompt(BITMAP* page);
