// The screen between two floors, and the load of the next one.
#pragma once

class TurnLockHold;

// Shows "Entering Next Floor ..." for 101 ticks, then loads floorNumber + 1.
// Once it has shown for a second, a key or a new press ends it at once; the
// press is taken, so it does not act on the next floor too.
// Waits with the turn lock let go through hold.
// The result is loadFloor's: false past the last floor (allFloorsDone is set
// then), when the floor was refused (floorLoadError() says why) or when a
// signal cut the transition short (stopSignal()).
bool enterNextFloor(TurnLockHold& hold);
