// What must hold of the game state between any two passes of the turn loop,
// however the player presses and however the timer ticks.
#pragma once

#include <string>

// Empty when everything holds; otherwise the first thing that does not, in words
// ("occupancy 0 under living unit 3 at (4, 2)").
std::string brokenInvariant();
