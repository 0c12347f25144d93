// The seven settings of init.txt. All are 0 until read.
#pragma once

#include <cstdint>

extern int32_t bandHeight;      // height of the band below the map
extern int32_t panelWidth;      // width of the side panel left of the map
extern int32_t rosterTop;       // y of the first squad entry in the panel
extern int32_t rosterRowHeight; // height of one squad entry
extern int32_t tickMs;          // timer interval, milliseconds
extern int32_t highlightColor;  // pixel value in the 16-bit mode
extern int32_t shotShowTicks;   // ticks a shot's damage stays shown (the game pauses)

// The screen the tile geometry is laid out on; fixed, not read from the mode.
constexpr int32_t SCREEN_WIDTH = 640;
constexpr int32_t SCREEN_HEIGHT = 480;

// The size of a tile along one side of the screen: what the panel or band
// leaves of the side, shared among the cells (truncating; 0 without cells).
// In 64 bits, exact for every setting a file may hold.
int64_t tileSpan(int32_t screenSide, int32_t taken, int32_t cells);

// Tile geometry of the current floor; truncating divisions. A size beyond 32
// bits (a panel or band of nearly -2^31 pixels) is held at the largest one.
int32_t tileWidth();
int32_t tileHeight();
// The same in 64 bits, exact for every panel and band.
int64_t exactTileWidth();
int64_t exactTileHeight();
