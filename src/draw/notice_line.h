// The line under the title: what the last shot did while its number shows, else
// the acting soldier's points, else the enemies' turn. Read from the game state alone.
#pragma once

#include <cstdint>

// True while the damage number of the last shot is on the map.
bool shotOnDisplay();

// Centred in the panel with its top at y; a text too wide for the panel is
// replaced by a shorter form, or by nothing when none fits.
void drawNoticeLine(int32_t top);
