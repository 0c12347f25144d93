// The game's fourteen pictures, one row each: the file start-up loads, the
// global the drawing uses, and how much of it the drawing reads. Start-up, the
// size check, the asset check, the build's list of pictures and the tests all
// go by this table. No library here: the content tools read it too.
#pragma once

#include <cstdint>
#include <string>

struct BITMAP;

// How much of a picture the drawing reads, and so the least it may be.
enum class PictureNeed {
    WHOLE,            // read whole: at least 1 x 1
    WALL_CORNER,      // its top-left 16 x 16
    DOOR_CORNER,      // its top-left 64 x 64
    SQUARE_OF_WIDTH,  // a square as wide as the picture
    SQUAD_SPRITE,     // at the size of the squad's sprite, player.bmp
    NO_WALK_POINTER,  // at the size of the no-walk pointer, nowalk.bmp
};

// The corners the walls and the door are read from, whatever their files' size.
constexpr int32_t WALL_CORNER_SIDE = 16;
constexpr int32_t DOOR_CORNER_SIDE = 64;

struct PictureRow {
    const char* file; // under Data/Images
    BITMAP** global;
    PictureNeed need;
};

constexpr int PICTURE_COUNT = 14;

// In the order start-up loads them.
extern const PictureRow PICTURE_TABLE[PICTURE_COUNT];

// The path start-up loads a picture from: ".//Data//Images//tiles.bmp".
std::string picturePath(const PictureRow& row);
// The row of a file under Data/Images; null when the game has no such picture.
const PictureRow* pictureRowOf(const std::string& file);
