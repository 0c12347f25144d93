#include "world/turn_order.h"

#include <utility>

#include "world/game_state.h"

namespace {
bool canAct(const Unit& unit) {
    return unit.health > 0 && unit.onFloor;
}

// A soldier who has gone through the exit has no turn left on this floor, so
// a wrap must not hand slot 0 to one. Dead units are left where they stand:
// the frame step and the enemy behaviour skip them. When every unit has left
// there is nobody to hand the turn to and the slot stays at 0.
int32_t firstSlotOnFloor(const Unit floorUnits[]) {
    for (int32_t slot = 0; slot < unitCount; ++slot)
        if (floorUnits[turnOrder[slot]].onFloor)
            return slot;
    return 0;
}
} // namespace

void sortTurnOrder(Unit floorUnits[]) {
    for (int32_t j = unitCount - 1; j >= 1; --j)
        for (int32_t i = 0; i < j; ++i)
            if (floorUnits[turnOrder[i]].accuracy < floorUnits[turnOrder[i + 1]].accuracy)
                std::swap(turnOrder[i], turnOrder[i + 1]);
}

int32_t advanceTurn(int32_t& slot, Unit floorUnits[]) {
    do {
        ++slot;
        if (slot >= unitCount) {
            slot = firstSlotOnFloor(floorUnits);
            return TURN_ROUND_OVER;
        }
    } while (!canAct(floorUnits[turnOrder[slot]]));
    return TURN_NEXT;
}

void startRound(int32_t count, Unit floorUnits[]) {
    for (int32_t i = 0; i < count; ++i) {
        floorUnits[i].actionPoints = floorUnits[i].speed;
        floorUnits[i].reservedFlag = false;
        floorUnits[i].reservedWord = 0;
    }
}

int32_t wrapRound(int32_t result) {
    if (result == TURN_ROUND_OVER)
        startRound(unitCount, units.data());
    return result;
}

void finishTurn() {
    wrapRound(advanceTurn(turnSlot, units.data()));
    turnState = TURN_NEXT;
}
