// Drawing without a display: the library set up once headless in 16-bit colour,
// plain stand-ins for the fourteen pictures and the back buffer, and pixel reads.
//
// Each stand-in is filled with its own colour, with pink (255, 0, 255) where it is
// transparent and a second colour where a picture is larger than the part the
// game may show, so a test can tell which picture, and which part of it, landed:
//
//   wall.bmp     32 x 32, quarters: top-left WALL, the other three WALL_OUTSIDE
//   wall2.bmp    16 x 16, COVER
//   door.bmp     64 x 64, DOOR
//   diamond.bmp  20 x 40, top 20 x 20 DIAMOND, the rest DIAMOND_OUTSIDE
//   player.bmp   32 x 32, centre 16 x 16 (8..23) SQUAD, a pink border around it
//   player2.bmp  48 x 48, its top-left 32 x 32 laid out like player.bmp in ENEMY,
//                the rest ENEMY_OUTSIDE
//   nowalk.bmp   12 x 10, NOWALK
//   wait.bmp     16 x 16, top-left 12 x 10 WAIT, the rest WAIT_OUTSIDE
//   target.bmp   24 x 20, TARGET
//   medkit.bmp   16 x 16, MEDKIT
//   motion.bmp, main.bmp, instruct.bmp: solid OTHER_PICTURE
//   backBuffer and mapBackground (tiles.bmp): 640 x 480, black
#pragma once

#include <cstdint>
#include <string>

#include "draw/colours.h"

struct BITMAP;

constexpr Rgb PINK{255, 0, 255};
constexpr Rgb WALL{0, 0, 200};
constexpr Rgb WALL_OUTSIDE{0, 96, 96};
constexpr Rgb COVER{96, 64, 0};
constexpr Rgb DOOR{160, 96, 32};
constexpr Rgb DIAMOND{0, 224, 224};
constexpr Rgb DIAMOND_OUTSIDE{224, 0, 96};
constexpr Rgb SQUAD{0, 128, 255};
constexpr Rgb ENEMY{200, 64, 0};
constexpr Rgb ENEMY_OUTSIDE{64, 0, 128};
constexpr Rgb NOWALK{128, 0, 0};
constexpr Rgb WAIT{128, 128, 0};
constexpr Rgb WAIT_OUTSIDE{0, 64, 0};
constexpr Rgb TARGET{255, 128, 0};
constexpr Rgb MEDKIT{0, 255, 128};
constexpr Rgb OTHER_PICTURE{96, 96, 160};

// Idempotent; the whole test binary shares one library set-up.
void startHeadlessDrawing();
// Replaces the fourteen pictures and the back buffer with fresh stand-ins.
void createTestPictures();
void destroyTestPictures();

// Fills a picture: every pixel of the given rectangle, corners included.
void paint(BITMAP* picture, int32_t x0, int32_t y0, int32_t x1, int32_t y1, Rgb colour);

bool isColour(BITMAP* bitmap, int32_t x, int32_t y, Rgb colour);
// True when every pixel of the rectangle, corners included, has the colour.
bool allColour(BITMAP* bitmap, int32_t x0, int32_t y0, int32_t x1, int32_t y1, Rgb colour);
int32_t countColour(BITMAP* bitmap, int32_t x0, int32_t y0, int32_t x1, int32_t y1, Rgb colour);

enum class TextAnchor { Left, Centre };
// True when the bitmap shows the text in this colour with the built-in font exactly
// at this place: inside the text's box, the colour is where the text would paint it
// and nowhere else.
bool showsText(BITMAP* bitmap, int32_t x, int32_t y, const std::string& text, Rgb colour,
               TextAnchor anchor = TextAnchor::Left);

// A readable picture of a rectangle for failure messages: '#' for the colour, '.' else.
std::string sketch(BITMAP* bitmap, int32_t x0, int32_t y0, int32_t x1, int32_t y1, Rgb colour);
