// main.bmp: the title, a small scene from the game and the three buttons.
#pragma once

#include "picture_set.h"

// A new PAGE_WIDTH x PAGE_HEIGHT bitmap; the caller destroys it.
BITMAP* drawTitlePicture(const PictureSet& pictures);
