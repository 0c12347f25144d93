// The floor's static picture (walls, cover, exit), drawn once per floor load.
#pragma once

void drawMapBackground();
