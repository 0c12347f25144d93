// The machine's ways of asking the game to end, turned into stop requests
// (shell/stop_request.h): signals, the window's close box and the loss of the
// display.
#pragma once

// Right after the library is installed: its own handlers would shut it down on
// whatever thread the signal lands, under a thread that holds the turn lock.
void installSignalHandlers();
// Once the window is there.
void installCloseButton();

// When a signal stopped the game: shuts the library down and lets the signal
// end the process as it would have without the game. Returns otherwise.
void endBySignal();
