#include "title_picture.h"

#include <allegro.h>

#include "scaled_text.h"
#include "shell/title_buttons.h"

namespace {

constexpr int TITLE_SCALE_X = 7;
constexpr int TITLE_SCALE_Y = 8;
constexpr int TITLE_TOP = 64;
constexpr int SCENE_TILE = 32;
constexpr int SCENE_FLOOR_TOP = PAGE_HEIGHT - SCENE_TILE;

// The spire rising behind the buttons, with a few lit windows.
void drawSpire(BITMAP* page) {
    const int stone = makecol(34, 28, 62);
    const int centre = PAGE_WIDTH / 2;
    rectfill(page, centre - 110, 210, centre + 110, SCENE_FLOOR_TOP, stone);
    triangle(page, centre - 130, 214, centre + 130, 214, centre, 40, stone);
    for (int x = centre - 130; x <= centre + 110; x += 40)
        rectfill(page, x, 196, x + 20, 214, stone); // battlements
    const int lit = makecol(236, 196, 90);
    const int windows[][2] = {{-80, 240}, {60, 236}, {-72, 300}, {70, 290}, {-8, 190}};
    for (const auto& w : windows)
        rectfill(page, centre + w[0], w[1], centre + w[0] + 8, w[1] + 14, lit);
}

void drawTitle(BITMAP* page) {
    const char* title = "VELLMORA";
    const int shadow = makecol(8, 6, 16);
    drawScaledTextCentred(page, title, PAGE_WIDTH / 2 + 5, TITLE_TOP + 5, TITLE_SCALE_X,
                          TITLE_SCALE_Y, [shadow](int) { return shadow; });
    drawScaledTextCentred(page, title, PAGE_WIDTH / 2, TITLE_TOP, TITLE_SCALE_X, TITLE_SCALE_Y,
                          [](int row) { return makecol(255, 232 - row * 14, 140 - row * 14); });
    const int pale = makecol(210, 200, 230);
    drawScaledTextCentred(page, "A SQUAD TACTICS GAME", PAGE_WIDTH / 2, TITLE_TOP + 84, 2, 2,
                          [pale](int) { return pale; });
}

void drawButton(BITMAP* page, const ButtonBox& box) {
    rectfill(page, box.left, box.top, box.right, box.bottom, makecol(66, 44, 118));
    rect(page, box.left, box.top, box.right, box.bottom, makecol(214, 178, 92));
    hline(page, box.left + 1, box.top + 1, box.right - 1, makecol(120, 96, 176));
    const int labelHeight = FONT_CELL * 2;
    const int y = (box.top + box.bottom + 1 - labelHeight) / 2;
    const int centre = (box.left + box.right + 1) / 2;
    const int scaleX = scaledTextWidth(box.label, 2) <= box.right - box.left - 6 ? 2 : 1;
    const int cream = makecol(255, 244, 214);
    drawScaledTextCentred(page, box.label, centre, y, scaleX, 2, [cream](int) { return cream; });
}

// The squad on the left, curtains in the middle, guards by the door on the right.
void drawScene(BITMAP* page, const PictureSet& pictures) {
    for (int x = 0; x < PAGE_WIDTH; x += SCENE_TILE)
        drawPicture(pictures, "wall", page, x, SCENE_FLOOR_TOP, SCENE_TILE, SCENE_TILE);
    const int row = SCENE_FLOOR_TOP - SCENE_TILE;
    for (int i = 0; i < 4; ++i)
        drawPicture(pictures, "player", page, 24 + i * 36, row, SCENE_TILE, SCENE_TILE);
    drawPicture(pictures, "medkit", page, 176, row, SCENE_TILE, SCENE_TILE);
    for (int i = 0; i < 3; ++i)
        drawPicture(pictures, "wall2", page, 416 + i * SCENE_TILE, row, SCENE_TILE, SCENE_TILE);
    for (int i = 0; i < 2; ++i)
        drawPicture(pictures, "player2", page, 528 + i * 36, row, SCENE_TILE, SCENE_TILE);
    drawPicture(pictures, "door", page, 600, row - 8, 40, 40);
}

} // namespace

BITMAP* drawTitlePicture(const PictureSet& pictures) {
    BITMAP* page = create_bitmap_ex(PAGE_DEPTH, PAGE_WIDTH, PAGE_HEIGHT);
    drawVerticalGradient(page, 24, 16, 52, 4, 4, 10);
    drawSpire(page);
    drawTitle(page);
    for (const ButtonBox& box : TITLE_BUTTONS)
        drawButton(page, box);
    drawScene(page, pictures);
    return page;
}
