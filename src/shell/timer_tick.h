// The timer's tick, which paces the game.
#pragma once

// Installed at start-up with install_int; runs on the library's timer thread.
void timerTick();
