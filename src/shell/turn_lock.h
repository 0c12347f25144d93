// The timer thread may finish a shooter's turn while the main thread is in the
// middle of its own turn handling. Both hold this lock while they touch the turn,
// so the two never interleave; the main thread lets go of it only while it waits.
#pragma once

#include <mutex>

extern std::mutex turnLock;

// The main thread's hold of turnLock, and its only way to wait inside the turn
// loop: the lock is let go for the wait, so the timer always gets in, even one
// that ticks on this very thread from the platform's idle (the scripted driver).
class TurnLockHold {
  public:
    TurnLockHold();
    TurnLockHold(const TurnLockHold&) = delete;
    TurnLockHold& operator=(const TurnLockHold&) = delete;

    // One idle turn of the platform without the lock; held again afterwards,
    // also when the wait is cut short by an exception (scripted play).
    void idle();
    // Whether a tick is waiting; it stays so until it is used.
    bool tickWaiting() const;
    // Uses the waiting tick up; false when there was none. A flag, never a
    // count: a tick that came while the last one was unused is gone.
    bool useTick();

  private:
    std::unique_lock<std::mutex> hold;
};
