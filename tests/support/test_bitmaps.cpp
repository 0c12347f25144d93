#include "support/test_bitmaps.h"

#include <allegro.h>

#include <cerrno>
#include <cstdlib>
#include <stdexcept>

#include "draw/picture_table.h"
#include "draw/pictures.h"

namespace {
constexpr int32_t SCREEN_W_PIXELS = 640;
constexpr int32_t SCREEN_H_PIXELS = 480;

BITMAP* solid(int32_t w, int32_t h, Rgb colour) {
    BITMAP* picture = create_bitmap(w, h);
    if (!picture)
        throw std::runtime_error("cannot create a test picture");
    clear_to_color(picture, pixelOf(colour));
    return picture;
}

// A solid block in the middle of a pink square, as a soldier on a clear ground.
BITMAP* figure(int32_t w, int32_t h, Rgb body, Rgb outside) {
    BITMAP* picture = solid(w, h, outside);
    paint(picture, 0, 0, 31, 31, PINK);
    paint(picture, 8, 8, 23, 23, body);
    return picture;
}

void destroyPicture(BITMAP*& picture) {
    if (picture)
        destroy_bitmap(picture);
    picture = nullptr;
}
} // namespace

void startHeadlessDrawing() {
    static bool started = false;
    if (started)
        return;
    // The race check starts the library with a real system driver first, for its
    // timer; a second install_allegro would crash.
    if (!system_driver && install_allegro(SYSTEM_NONE, &errno, atexit) != 0)
        throw std::runtime_error("cannot start the library headless");
    set_color_depth(16);
    text_mode(-1);
    started = true;
}

void createTestPictures() {
    startHeadlessDrawing();
    destroyTestPictures();
    backBuffer = solid(SCREEN_W_PIXELS, SCREEN_H_PIXELS, BLACK);
    mapBackground = solid(SCREEN_W_PIXELS, SCREEN_H_PIXELS, BLACK);
    wallBmp = solid(32, 32, WALL_OUTSIDE);
    paint(wallBmp, 0, 0, 15, 15, WALL);
    wall2Bmp = solid(16, 16, COVER);
    doorBmp = solid(64, 64, DOOR);
    diamondBmp = solid(20, 40, DIAMOND_OUTSIDE);
    paint(diamondBmp, 0, 0, 19, 19, DIAMOND);
    playerBmp = figure(32, 32, SQUAD, PINK);
    player2Bmp = figure(48, 48, ENEMY, ENEMY_OUTSIDE);
    nowalkBmp = solid(12, 10, NOWALK);
    waitBmp = solid(16, 16, WAIT_OUTSIDE);
    paint(waitBmp, 0, 0, 11, 9, WAIT);
    targetBmp = solid(24, 20, TARGET);
    medkitBmp = solid(16, 16, MEDKIT);
    motionBmp = solid(16, 16, OTHER_PICTURE);
    mainBmp = solid(SCREEN_W_PIXELS, SCREEN_H_PIXELS, OTHER_PICTURE);
    instructBmp = solid(SCREEN_W_PIXELS, SCREEN_H_PIXELS, OTHER_PICTURE);
}

void destroyTestPictures() {
    for (const PictureRow& row : PICTURE_TABLE)
        destroyPicture(*row.global);
    destroyPicture(backBuffer);
}

void paint(BITMAP* picture, int32_t x0, int32_t y0, int32_t x1, int32_t y1, Rgb colour) {
    rectfill(picture, x0, y0, x1, y1, pixelOf(colour));
}

bool isColour(BITMAP* bitmap, int32_t x, int32_t y, Rgb colour) {
    return getpixel(bitmap, x, y) == pixelOf(colour);
}

int32_t countColour(BITMAP* bitmap, int32_t x0, int32_t y0, int32_t x1, int32_t y1, Rgb colour) {
    int32_t count = 0;
    for (int32_t y = y0; y <= y1; ++y)
        for (int32_t x = x0; x <= x1; ++x)
            count += isColour(bitmap, x, y, colour) ? 1 : 0;
    return count;
}

bool allColour(BITMAP* bitmap, int32_t x0, int32_t y0, int32_t x1, int32_t y1, Rgb colour) {
    return countColour(bitmap, x0, y0, x1, y1, colour) == (x1 - x0 + 1) * (y1 - y0 + 1);
}

bool showsText(BITMAP* bitmap, int32_t x, int32_t y, const std::string& text, Rgb colour,
               TextAnchor anchor) {
    const int32_t width = text_length(font, text.c_str());
    const int32_t left = anchor == TextAnchor::Centre ? x - width / 2 : x;
    BITMAP* expected = create_bitmap(bitmap->w, bitmap->h);
    clear_to_color(expected, pixelOf(BLACK));
    textout_ex(expected, font, text.c_str(), left, y, pixelOf(colour), -1);
    bool same = true;
    for (int32_t py = y; py < y + text_height(font); ++py)
        for (int32_t px = left; px < left + width; ++px)
            if (isColour(expected, px, py, colour) != isColour(bitmap, px, py, colour))
                same = false;
    destroy_bitmap(expected);
    return same;
}

std::string sketch(BITMAP* bitmap, int32_t x0, int32_t y0, int32_t x1, int32_t y1, Rgb colour) {
    std::string out;
    for (int32_t y = y0; y <= y1; ++y) {
        for (int32_t x = x0; x <= x1; ++x)
            out += isColour(bitmap, x, y, colour) ? '#' : '.';
        out += '\n';
    }
    return out;
}
