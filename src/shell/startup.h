// Start-up and shutdown of the program.
#pragma once

#include <cstdint>

// Reads init.txt's seven records; false when the file cannot be opened.
bool readSettings(const char* path);
bool initGameState();
// Releases the pictures, the samples, the back buffer and the floor's arrays.
void shutdownGame();
