// The game's pictures as start-up reads them from their files and shutdown
// gives them back. Memory bitmaps only: no screen is needed.
#pragma once

#include <cstdint>

struct BITMAP;

// Null when the file is missing or unreadable.
BITMAP* loadPicture(const char* path);
// Destroys the picture, if there is one, and leaves its slot null.
void releasePicture(BITMAP*& picture);

int32_t pictureWidth(const BITMAP* picture);
int32_t pictureHeight(const BITMAP* picture);
