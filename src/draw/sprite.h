// Every picture reaches a bitmap through drawSprite: scaled, pink left out.
#pragma once

#include <cstdint>

struct BITMAP;

struct Rect {
    int32_t x;
    int32_t y;
    int32_t w;
    int32_t h;
};

void drawSprite(BITMAP* picture, BITMAP* target, const Rect* source, const Rect* destination);
