// A picture of a floor as the game shows it when the floor starts: the map
// area of the first frame (walls, curtains, exit or diamond, the units on
// their start cells, the first soldier's highlight, the medkits), drawn by the
// game's own code into a memory bitmap.
#pragma once

#include <string>

// Loads floor 1 of the run directory GAME_DIR the way the game does on start
// (its pictures, init.txt, Mission.dat, stats.txt) and writes the map area of
// the first frame as a PNG. False with the reason otherwise.
bool drawFloorPicture(const std::string& gameDir, const std::string& pngPath, std::string& why);
