#include "picture_set.h"

#include <allegro.h>

void drawVerticalGradient(BITMAP* target, int topR, int topG, int topB, int bottomR, int bottomG,
                          int bottomB) {
    const int last = target->h > 1 ? target->h - 1 : 1;
    for (int y = 0; y < target->h; ++y) {
        const int r = topR + (bottomR - topR) * y / last;
        const int g = topG + (bottomG - topG) * y / last;
        const int b = topB + (bottomB - topB) * y / last;
        hline(target, 0, y, target->w - 1, makecol(r, g, b));
    }
}

void drawPicture(const PictureSet& pictures, const char* name, BITMAP* target, int x, int y, int w,
                 int h) {
    auto found = pictures.find(name);
    if (found == pictures.end())
        return;
    BITMAP* p = found->second;
    masked_stretch_blit(p, target, 0, 0, p->w, p->h, x, y, w, h);
}
