#include "shell/timer_tick.h"

#include <atomic>
#include <mutex>

#include "shell/turn_lock.h"
#include "world/game_state.h"
#include "world/turn_order.h"

// A tick that arrives while the last one is unused is lost: a flag, never a count.
static_assert(sizeof(tickPending) == 1, "tickPending is a one-byte flag");

namespace {
// Before the first floor and after shutdown there is no unit to look at.
bool floorInPlay() {
    return turnSlot >= 0 && static_cast<size_t>(turnSlot) < turnOrder.size() &&
           static_cast<size_t>(turnOrder[turnSlot]) < units.size();
}
} // namespace

void timerTick() {
    std::lock_guard<std::mutex> hold(turnLock);
    if (shotTimer <= 0) {
        tickPending = true;
        return;
    }
    // The shot display pauses the game; its last tick hands the turn on.
    --shotTimer;
    if (turnState == TURN_AWAIT_PLAYER && shotTimer <= 0 && floorInPlay() &&
        currentUnit().actionPoints <= 0)
        finishTurn();
}
