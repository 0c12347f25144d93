// The floor's static picture (walls, cover, exit), drawn once per floor load.
#pragma once

void drawMapBackground();

// Makes every floor load redraw the picture; the shell calls it once at start-up.
void installMapRedraw();
