#include "shell/stop_request.h"

#include <atomic>

namespace {
// Lock-free, so the handlers may touch them.
std::atomic<int> signalled{0};
std::atomic<bool> closing{false};
static_assert(std::atomic<int>::is_always_lock_free, "set from a signal handler");
} // namespace

void requestStopBySignal(int signalNumber) {
    signalled.store(signalNumber);
}

void requestClose() {
    closing.store(true);
}

int stopSignal() {
    return signalled.load();
}

bool closeRequested() {
    return closing.load();
}

bool leaveRequested() {
    return stopSignal() != 0 || closeRequested();
}

void clearStopRequests() {
    signalled.store(0);
    closing.store(false);
}
