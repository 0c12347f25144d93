#include "world/settings.h"

#include <algorithm>

#include "world/game_state.h"

int32_t bandHeight = 0;
int32_t panelWidth = 0;
int32_t rosterTop = 0;
int32_t rosterRowHeight = 0;
int32_t tickMs = 0;
int32_t highlightColor = 0;
int32_t shotShowTicks = 0;

namespace {
int32_t held(int64_t size) {
    return static_cast<int32_t>(std::clamp<int64_t>(size, INT32_MIN, INT32_MAX));
}
} // namespace

// init.txt may hold any 32-bit number for the panel and the band.
int64_t tileSpan(int32_t screenSide, int32_t taken, int32_t cells) {
    return cells > 0 ? (int64_t{screenSide} - taken) / cells : 0;
}

int64_t exactTileWidth() { return tileSpan(SCREEN_WIDTH, panelWidth, mapWidth); }
int64_t exactTileHeight() { return tileSpan(SCREEN_HEIGHT, bandHeight, mapHeight); }
int32_t tileWidth() { return held(exactTileWidth()); }
int32_t tileHeight() { return held(exactTileHeight()); }
