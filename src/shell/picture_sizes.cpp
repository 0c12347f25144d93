#include "shell/picture_sizes.h"

namespace {
constexpr PictureSize WALL_SOURCE{WALL_CORNER_SIDE, WALL_CORNER_SIDE};
constexpr PictureSize DOOR_SOURCE{DOOR_CORNER_SIDE, DOOR_CORNER_SIDE};
// Every picture is read whole somewhere, so none may be empty.
constexpr PictureSize ANY_PICTURE{1, 1};

PictureSize larger(PictureSize a, PictureSize b) {
    return PictureSize{a.width > b.width ? a.width : b.width,
                       a.height > b.height ? a.height : b.height};
}

PictureSize sizeOf(const char* file, const PictureSize sizes[PICTURE_COUNT]) {
    const PictureRow* row = pictureRowOf(file);
    return row ? sizes[row - PICTURE_TABLE] : ANY_PICTURE;
}

// What the drawing reads from picture i, given the sizes of the others.
PictureSize needed(int i, const PictureSize sizes[PICTURE_COUNT]) {
    switch (PICTURE_TABLE[i].need) {
    case PictureNeed::WALL_CORNER:
        return WALL_SOURCE;
    case PictureNeed::DOOR_CORNER:
        return DOOR_SOURCE;
    case PictureNeed::SQUARE_OF_WIDTH:
        return PictureSize{sizes[i].width, sizes[i].width};
    case PictureNeed::SQUAD_SPRITE:
        return sizeOf("player.bmp", sizes);
    case PictureNeed::NO_WALK_POINTER:
        return sizeOf("nowalk.bmp", sizes);
    case PictureNeed::WHOLE:
        break;
    }
    return ANY_PICTURE;
}

std::string sizeText(PictureSize size) {
    return std::to_string(size.width) + " x " + std::to_string(size.height);
}
} // namespace

std::string pictureSizeProblem(const PictureSize sizes[PICTURE_COUNT]) {
    for (int i = 0; i < PICTURE_COUNT; ++i) {
        const PictureSize need = larger(needed(i, sizes), ANY_PICTURE);
        if (sizes[i].width < need.width || sizes[i].height < need.height)
            return picturePath(PICTURE_TABLE[i]) + " is " + sizeText(sizes[i]) +
                   " pixels; the game needs it at least " + sizeText(need);
    }
    return "";
}
