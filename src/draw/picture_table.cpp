#include "draw/picture_table.h"

#include "draw/pictures.h"

// The build takes its list of pictures from the files named here.
const PictureRow PICTURE_TABLE[PICTURE_COUNT] = {
    {"tiles.bmp", &mapBackground, PictureNeed::WHOLE},
    {"wall.bmp", &wallBmp, PictureNeed::WALL_CORNER},
    {"wall2.bmp", &wall2Bmp, PictureNeed::WALL_CORNER},
    {"player.bmp", &playerBmp, PictureNeed::WHOLE},
    {"player2.bmp", &player2Bmp, PictureNeed::SQUAD_SPRITE},
    {"target.bmp", &targetBmp, PictureNeed::WHOLE},
    {"motion.bmp", &motionBmp, PictureNeed::WHOLE},
    {"nowalk.bmp", &nowalkBmp, PictureNeed::WHOLE},
    {"wait.bmp", &waitBmp, PictureNeed::NO_WALK_POINTER},
    {"medkit.bmp", &medkitBmp, PictureNeed::WHOLE},
    {"main.bmp", &mainBmp, PictureNeed::WHOLE},
    {"Instruct.bmp", &instructBmp, PictureNeed::WHOLE},
    {"door.bmp", &doorBmp, PictureNeed::DOOR_CORNER},
    {"diamond.bmp", &diamondBmp, PictureNeed::SQUARE_OF_WIDTH},
};

std::string picturePath(const PictureRow& row) {
    return std::string(".//Data//Images//") + row.file;
}

const PictureRow* pictureRowOf(const std::string& file) {
    for (const PictureRow& row : PICTURE_TABLE)
        if (file == row.file)
            return &row;
    return nullptr;
}
