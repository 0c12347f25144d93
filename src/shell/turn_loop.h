// The turn loop with the player's commands, and the timer tick that paces it.
#pragma once

// Runs until Esc or completion; true when the game was completed.
bool runTurnLoop();
// Installed at start-up with install_int; runs on the library's timer thread.
void timerTick();
void finishTurn();
