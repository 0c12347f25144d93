// The screens after start-up: the title menu, the story page, the floors and,
// for a completed game, the endgame page.
#pragma once

constexpr int EXIT_PLAYED = 0;  // Esc, quit, close box, completed or lost
constexpr int EXIT_FAILED = 1;  // start-up, a text page or a floor could not be had

// Runs them with floor 1 loaded; returns the program's exit status. Leaves
// early when a stop is requested. shutdownGame is the caller's.
int playGame();

// Prints why the last floor load was refused; the status to end with.
int refuseFloor();
