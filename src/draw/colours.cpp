#include "draw/colours.h"

#include <allegro.h>

int32_t pixelOf(Rgb colour) {
    return makecol(colour.r, colour.g, colour.b);
}
