#include "draw/picture_files.h"

#include <allegro.h>

void releasePicture(BITMAP*& picture) {
    if (picture)
        destroy_bitmap(picture);
    picture = nullptr;
}

int32_t pictureWidth(const BITMAP* picture) {
    return picture->w;
}

int32_t pictureHeight(const BITMAP* picture) {
    return picture->h;
}
