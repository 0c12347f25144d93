#include "draw/picture_files.h"

#include <allegro.h>

BITMAP* loadPicture(const char* path) {
    // In the colour depth of the mode in use; no palette is wanted.
    return load_bitmap(path, nullptr);
}

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
