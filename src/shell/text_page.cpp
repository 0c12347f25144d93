#include <allegro.h>

#include <cstdio>
#include <cstring>

#include "draw/colours.h"
#include "draw/pictures.h"
#include "shell/platform.h"
#include "shell/readable_text.h"
#include "shell/stop_request.h"
#include "shell/title_menu.h"

namespace {
constexpr int32_t TEXT_LEFT = 10;
constexpr int32_t TEXT_TOP = 60;
constexpr int32_t ROW_STEP = 16;
constexpr int32_t PROMPT_ABOVE_BOTTOM = 25;
// Longer lines come as several pieces of 79 characters; they are not wrapped.
constexpr int PIECE_BUFFER = 80;

void drawRows(FILE* file) {
    char piece[PIECE_BUFFER];
    int32_t y = TEXT_TOP;
    while (std::fgets(piece, sizeof piece, file)) {
        const size_t length = std::strlen(piece);
        if (length > 0 && piece[length - 1] == '\n')
            piece[length - 1] = ' ';
        // Through "%s", so a percent sign in the text is drawn as it stands.
        textprintf(backBuffer, font, TEXT_LEFT, y, pixelOf(WHITE), "%s", readableText(piece).c_str());
        y += ROW_STEP;
    }
}

void drawPrompt() {
    textprintf_centre(backBuffer, font, backBuffer->w / 2, backBuffer->h - PROMPT_ABOVE_BOTTOM,
                      pixelOf(WHITE), "Press any key to continue");
}
} // namespace

bool showTextPage(const char* path, const char* errorLine) {
    FILE* file = std::fopen(path, "r");
    if (!file) {
        std::fputs(errorLine, stdout);
        return false;
    }
    clear_bitmap(backBuffer);
    drawRows(file);
    std::fclose(file);
    drawPrompt();
    platform.present(backBuffer);
    // The key stays in the buffer; it is not read. The close box ends the page
    // as the end of the program would.
    while (!platform.keyPressed() && !leaveRequested())
        platform.idle();
    return true;
}
