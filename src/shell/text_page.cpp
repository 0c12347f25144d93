#include "shell/text_page.h"

#include <cstdio>
#include <cstring>

#include "draw/page_text.h"
#include "draw/pictures.h"
#include "shell/platform.h"
#include "shell/readable_text.h"
#include "shell/stop_request.h"

namespace {
// Longer lines come as several pieces of 79 characters; they are not wrapped.
constexpr int PIECE_BUFFER = 80;

void drawRows(FILE* file) {
    char piece[PIECE_BUFFER];
    int32_t row = 0;
    while (std::fgets(piece, sizeof piece, file)) {
        const size_t length = std::strlen(piece);
        if (length > 0 && piece[length - 1] == '\n')
            piece[length - 1] = ' ';
        drawPageRow(backBuffer, row, readableText(piece).c_str());
        ++row;
    }
}
} // namespace

bool showTextPage(const char* path, const char* errorLine) {
    FILE* file = std::fopen(path, "r");
    if (!file) {
        std::fputs(errorLine, stdout);
        return false;
    }
    clearPage(backBuffer);
    drawRows(file);
    std::fclose(file);
    drawPagePrompt(backBuffer);
    platform.present(backBuffer);
    // The key stays in the buffer; it is not read. The close box ends the page
    // as the end of the program would.
    while (!platform.keyPressed() && !leaveRequested())
        platform.idle();
    return true;
}
