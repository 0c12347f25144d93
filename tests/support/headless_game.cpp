#include "support/headless_game.h"

#include <allegro.h>

#include <cerrno>
#include <cstdlib>

#include "draw/pictures.h"

namespace {
BITMAP* filled(int32_t w, int32_t h, int32_t red, int32_t green, int32_t blue) {
    BITMAP* b = create_bitmap(w, h);
    clear_to_color(b, makecol(red, green, blue));
    return b;
}

void replace(BITMAP*& slot, BITMAP* picture) {
    if (slot)
        destroy_bitmap(slot);
    slot = picture;
}
} // namespace

void startHeadlessAllegro() {
    static bool started = false;
    if (started)
        return;
    started = true;
    install_allegro(SYSTEM_NONE, &errno, std::atexit);
    set_color_depth(16);
    text_mode(-1);
}

void makeTestPictures() {
    startHeadlessAllegro();
    replace(backBuffer, filled(640, 480, 0, 0, 0));
    replace(mapBackground, filled(640, 480, 0, 0, 0));
    replace(wallBmp, filled(16, 16, 128, 128, 128));
    replace(wall2Bmp, filled(16, 16, 0, 128, 0));
    replace(playerBmp, filled(16, 16, 0, 0, 255));
    replace(player2Bmp, filled(16, 16, 255, 128, 0));
    replace(targetBmp, filled(16, 16, 255, 255, 0));
    replace(motionBmp, filled(16, 16, 64, 64, 64));
    replace(nowalkBmp, filled(16, 16, 128, 0, 0));
    replace(waitBmp, filled(16, 16, 0, 128, 128));
    replace(medkitBmp, filled(16, 16, 0, 255, 0));
    replace(mainBmp, filled(640, 480, 40, 40, 120));
    replace(instructBmp, filled(640, 480, 120, 40, 40));
    replace(doorBmp, filled(16, 16, 128, 64, 0));
    replace(diamondBmp, filled(16, 16, 0, 255, 255));
}

int32_t colour16(int32_t red, int32_t green, int32_t blue) {
    return makecol_depth(16, red, green, blue);
}

int32_t pixelAt(BITMAP* bitmap, int32_t x, int32_t y) {
    if (x < 0 || y < 0 || x >= bitmap->w || y >= bitmap->h)
        return -1;
    return getpixel(bitmap, x, y);
}
