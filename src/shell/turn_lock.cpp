#include "shell/turn_lock.h"

#include "shell/platform.h"

std::mutex turnLock;

void waitWithoutTurnLock() {
    turnLock.unlock();
    // Taken back even when the wait is cut short by an exception (scripted play).
    struct Retake {
        ~Retake() { turnLock.lock(); }
    } retake;
    platform.idle();
}
