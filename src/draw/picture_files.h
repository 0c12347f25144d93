// The game's pictures as shutdown gives them back and the drawing measures
// them (start-up reads them through the platform table). Memory bitmaps only.
#pragma once

#include <cstdint>

struct BITMAP;

// Destroys the picture, if there is one, and leaves its slot null.
void releasePicture(BITMAP*& picture);

int32_t pictureWidth(const BITMAP* picture);
int32_t pictureHeight(const BITMAP* picture);
