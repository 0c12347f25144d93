// Requests to end the game that come from outside its own screens: a signal
// (SIGTERM, SIGINT, SIGHUP) and the window's close box. Both only raise a flag
// here; every wait of the main thread looks at the flags and leaves on its own,
// so the library is never shut down under a thread that holds the turn lock.
#pragma once

// Safe to call from a signal handler.
void requestStopBySignal(int signalNumber);
// Safe to call from the library's input thread.
void requestClose();

// The signal that asked the game to end, 0 when none did. A signal ends every
// screen and wait at once, a move and a transition included.
int stopSignal();
// The close box was pressed. It ends a screen as the screen's own way out does.
bool closeRequested();
// A signal, or the close box: the title, instructions and text pages end.
bool leaveRequested();

// Forgets both requests (for the tests, which play many games in one process).
void clearStopRequests();
