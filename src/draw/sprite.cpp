#include "draw/sprite.h"

#include <allegro.h>

void drawSprite(BITMAP* picture, BITMAP* target, const Rect* source, const Rect* destination) {
    masked_stretch_blit(picture, target, source->x, source->y, source->w, source->h, destination->x,
                        destination->y, destination->w, destination->h);
}
