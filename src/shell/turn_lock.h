// The timer thread may finish a shooter's turn while the main thread is in the
// middle of its own turn handling. Both hold this lock while they touch the turn,
// so the two never interleave; the main thread lets go of it only while it waits.
#pragma once

#include <mutex>

extern std::mutex turnLock;

// One turn of a busy wait by the main thread, which holds turnLock: lets the
// timer in and yields the processor, then takes the lock back.
void waitWithoutTurnLock();
