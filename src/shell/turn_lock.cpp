#include "shell/turn_lock.h"

#include "shell/platform.h"
#include "world/game_state.h"

std::mutex turnLock;

TurnLockHold::TurnLockHold() : hold(turnLock) {}

void TurnLockHold::idle() {
    hold.unlock();
    struct Retake {
        std::unique_lock<std::mutex>& lock;
        ~Retake() { lock.lock(); }
    } retake{hold};
    platform.idle();
}

bool TurnLockHold::tickWaiting() const {
    return tickPending;
}

bool TurnLockHold::useTick() {
    return tickPending.exchange(false);
}
