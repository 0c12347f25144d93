#include "world/settings.h"

#include "world/game_state.h"

int32_t bandHeight = 0;
int32_t panelWidth = 0;
int32_t rosterTop = 0;
int32_t rosterRowHeight = 0;
int32_t tickMs = 0;
int32_t highlightColor = 0;
int32_t shotShowTicks = 0;

int32_t tileWidth() { return mapWidth > 0 ? (SCREEN_WIDTH - panelWidth) / mapWidth : 0; }
int32_t tileHeight() { return mapHeight > 0 ? (SCREEN_HEIGHT - bandHeight) / mapHeight : 0; }
