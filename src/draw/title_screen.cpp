#include "draw/title_screen.h"

#include <allegro.h>

#include "draw/sprite.h"

namespace {
constexpr int32_t POINTER_SIZE = 16;
} // namespace

void drawMenuPicture(BITMAP* target, BITMAP* picture) {
    const Rect source{0, 0, picture->w, picture->h};
    const Rect destination{0, 0, target->w - 1, target->h - 1};
    drawSprite(picture, target, &source, &destination);
}

void drawMenuPointer(BITMAP* target, BITMAP* pointer, int32_t x, int32_t y) {
    const Rect source{0, 0, pointer->w, pointer->h};
    const Rect destination{x, y, POINTER_SIZE, POINTER_SIZE};
    drawSprite(pointer, target, &source, &destination);
}
