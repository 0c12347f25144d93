#include "shell/picture_sizes.h"

namespace {
enum PictureIndex {
    TILES, WALL, WALL2, PLAYER, PLAYER2, TARGET, MOTION,
    NOWALK, WAIT, MEDKIT, MAIN, INSTRUCT, DOOR, DIAMOND,
};
static_assert(DIAMOND + 1 == PICTURE_COUNT, "one index per picture");

// Only the top-left corner of these is read, whatever the file's size.
constexpr PictureSize WALL_SOURCE{16, 16};
constexpr PictureSize DOOR_SOURCE{64, 64};
// Every picture is read whole somewhere, so none may be empty.
constexpr PictureSize ANY_PICTURE{1, 1};

PictureSize larger(PictureSize a, PictureSize b) {
    return PictureSize{a.width > b.width ? a.width : b.width,
                       a.height > b.height ? a.height : b.height};
}

// What the drawing reads from picture i, given the sizes of the others.
PictureSize needed(int i, const PictureSize sizes[PICTURE_COUNT]) {
    switch (i) {
    case WALL:
    case WALL2:
        return WALL_SOURCE;
    case DOOR:
        return DOOR_SOURCE;
    case DIAMOND: // the goal is read as a square of its width
        return PictureSize{sizes[DIAMOND].width, sizes[DIAMOND].width};
    case PLAYER2: // enemies are read at the squad sprite's size
        return sizes[PLAYER];
    case WAIT: // read at the no-walk pointer's size; target.bmp is read whole
        return sizes[NOWALK];
    }
    return ANY_PICTURE;
}

std::string sizeText(PictureSize size) {
    return std::to_string(size.width) + " x " + std::to_string(size.height);
}
} // namespace

const char* const picturePaths[PICTURE_COUNT] = {
    ".//Data//Images//tiles.bmp",  ".//Data//Images//wall.bmp",     ".//Data//Images//wall2.bmp",
    ".//Data//Images//player.bmp", ".//Data//Images//player2.bmp",  ".//Data//Images//target.bmp",
    ".//Data//Images//motion.bmp", ".//Data//Images//nowalk.bmp",   ".//Data//Images//wait.bmp",
    ".//Data//Images//medkit.bmp", ".//Data//Images//main.bmp",     ".//Data//Images//Instruct.bmp",
    ".//Data//Images//door.bmp",   ".//Data//Images//diamond.bmp",
};

std::string pictureSizeProblem(const PictureSize sizes[PICTURE_COUNT]) {
    for (int i = 0; i < PICTURE_COUNT; ++i) {
        const PictureSize need = larger(needed(i, sizes), ANY_PICTURE);
        if (sizes[i].width < need.width || sizes[i].height < need.height)
            return std::string(picturePaths[i]) + " is " + sizeText(sizes[i]) +
                   " pixels; the game needs it at least " + sizeText(need);
    }
    return "";
}
