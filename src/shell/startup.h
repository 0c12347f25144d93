// Start-up and shutdown of the program.
#pragma once

#include <cstdint>

#include "shell/display_options.h"

// Reads init.txt's seven records; false when the file cannot be opened.
bool readSettings(const char* path);
bool initGameState();
// Releases the pictures, the samples, the back buffer and the floor's arrays,
// after stopping the timer handler. A second call finds nothing left to release.
void shutdownGame();

// The stages of start-up before initGameState, in the order main runs them.
// Each false has printed one line on standard error that names the cause;
// startLibrary prints the sound error line on standard output first.
bool startLibrary();
bool openScreen(const DisplayOptions& options);
bool loadPictures();
// False, with one line on standard error, when a picture is smaller than what
// the drawing reads from it.
bool picturesBigEnough();
void loadShotSamples();
