// A story or endgame text shown by the game's page code on a headless back
// buffer. The page must be exactly the file's pieces, as the C line reader with
// an 80-byte buffer cuts them, drawn literally from (10, 60) down 16 pixels a
// row, plus the prompt, presented once; an unreadable file must leave the
// buffer, the screen and the game state alone.
#include <allegro.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "draw/pictures.h"
#include "fuzz_check.h"
#include "support/game_state_snapshot.h"
#include "scratch_directory.h"
#include "shell/platform.h"
#include "shell/text_page.h"

namespace {
constexpr const char* PAGE_PATH = ".//story.txt";
constexpr const char* ERROR_LINE = "Error loading story\n";
constexpr size_t PIECE_CHARS = 79;
constexpr int32_t FIRST_ROW = 60;
constexpr int32_t ROW_STEP = 16;
constexpr int32_t LEFT = 10;

BITMAP* expected = nullptr;
int32_t presents = 0;
int32_t keyPolls = 0;

void countPresent(BITMAP*) {
    ++presents;
}
// The key is there at the second poll, so the page waits once.
bool keyAfterOnePoll() {
    return ++keyPolls > 1;
}

// Decodes one character at s and says whether it was encoded as UTF-8 must
// be: shortest form, no surrogate, at most U+10FFFF.
bool wellFormedAt(const std::string& s, size_t at, size_t& length) {
    const unsigned char lead = static_cast<unsigned char>(s[at]);
    uint32_t code = 0;
    uint32_t least = 0;
    if (lead < 0x80) {
        length = 1;
        return true;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2, code = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, code = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, code = lead & 0x07, least = 0x10000;
    } else {
        return false;
    }
    if (at + length > s.size())
        return false;
    for (size_t i = 1; i < length; ++i) {
        const unsigned char next = static_cast<unsigned char>(s[at + i]);
        if ((next & 0xC0) != 0x80)
            return false;
        code = code << 6 | (next & 0x3F);
    }
    return code >= least && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF);
}

// What a row must look like on the page: bytes of broken sequences as '^'.
std::string asDrawn(const std::string& row) {
    std::string drawn;
    for (size_t at = 0; at < row.size();) {
        size_t length = 1;
        if (wellFormedAt(row, at, length)) {
            drawn += row.substr(at, length);
            at += length;
        } else {
            drawn += '^';
            ++at;
        }
    }
    return drawn;
}

// Cut as fgets with an 80-byte buffer would, then as the page shows a piece:
// up to its first NUL, a final line feed as a blank.
std::vector<std::string> rowsOf(const uint8_t* data, size_t size) {
    std::vector<std::string> rows;
    std::string piece;
    auto finish = [&]() {
        std::string shown = piece.substr(0, piece.find('\0'));
        if (!shown.empty() && shown.back() == '\n')
            shown.back() = ' ';
        rows.push_back(asDrawn(shown));
        piece.clear();
    };
    for (size_t i = 0; i < size; ++i) {
        piece += static_cast<char>(data[i]);
        if (data[i] == '\n' || piece.size() == PIECE_CHARS)
            finish();
    }
    if (!piece.empty())
        finish();
    return rows;
}

void drawExpected(const std::vector<std::string>& rows) {
    clear_bitmap(expected);
    const int white = makecol(255, 255, 255);
    int32_t y = FIRST_ROW;
    for (const std::string& row : rows) {
        textout_ex(expected, font, row.c_str(), LEFT, y, white, -1);
        y += ROW_STEP;
    }
    textout_centre_ex(expected, font, "Press any key to continue", expected->w / 2,
                      expected->h - 25, white, -1);
}

// Row by row in memory: both are 16-bit memory bitmaps of one size.
bool samePicture(BITMAP* a, BITMAP* b, int32_t& badX, int32_t& badY) {
    const size_t rowBytes = static_cast<size_t>(a->w) * sizeof(uint16_t);
    for (badY = 0; badY < a->h; ++badY) {
        if (std::memcmp(a->line[badY], b->line[badY], rowBytes) == 0)
            continue;
        for (badX = 0; getpixel(a, badX, badY) == getpixel(b, badX, badY); ++badX) {
        }
        return false;
    }
    return true;
}

// The refusal: the line is printed, nothing is drawn or presented.
void checkMissingFile() {
    removeFile(PAGE_PATH);
    clear_to_color(backBuffer, makecol(90, 90, 90));
    blit(backBuffer, expected, 0, 0, 0, 0, backBuffer->w, backBuffer->h);
    const GameStateSnapshot before = takeGameState();
    presents = 0;
    requireThat(!showTextPage(PAGE_PATH, ERROR_LINE), "a missing page was shown");
    int32_t x = 0, y = 0;
    requireThat(samePicture(backBuffer, expected, x, y), "a missing page drew on the buffer");
    requireThat(presents == 0, "a missing page was presented");
    requireThat(gameStateDifference(before, takeGameState()).empty(), "a missing page moved state");
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    enterScratchDirectory();
    requireThat(install_allegro(SYSTEM_NONE, &errno, std::atexit) == 0, "no headless library");
    set_color_depth(16);
    text_mode(-1);
    backBuffer = create_bitmap(640, 480);
    expected = create_bitmap(640, 480);
    Platform page = nullPlatform();
    page.present = countPresent;
    page.keyPressed = keyAfterOnePoll;
    installPlatform(page);
    checkMissingFile();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    writeFile(PAGE_PATH, data, size);
    clear_to_color(backBuffer, makecol(90, 90, 90));
    const GameStateSnapshot before = takeGameState();
    presents = 0;
    keyPolls = 0;
    requireThat(showTextPage(PAGE_PATH, ERROR_LINE), "a readable page was refused");
    requireThat(presents == 1, "the page was presented " + std::to_string(presents) + " times");
    requireThat(keyPolls == 2, "the page did not wait for its key");
    drawExpected(rowsOf(data, size));
    int32_t x = 0, y = 0;
    requireThat(samePicture(backBuffer, expected, x, y),
                "the page differs at (" + std::to_string(x) + ", " + std::to_string(y) + ")");
    requireThat(gameStateDifference(before, takeGameState()).empty(), "a page moved game state");
    return 0;
}
