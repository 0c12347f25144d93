// The acting order of a floor: sorted once by accuracy, walked slot by slot.
#pragma once

#include <cstdint>

struct Unit;

void sortTurnOrder(Unit floorUnits[]);
// TURN_NEXT, or TURN_ROUND_OVER when the order wrapped to slot 0.
int32_t advanceTurn(int32_t& slot, Unit floorUnits[]);
void startRound(int32_t count, Unit floorUnits[]);

// A turn result of the floor's own turn (turnSlot, units): a new round starts
// when it says the order wrapped. The result is handed back unchanged.
int32_t wrapRound(int32_t result);
// Ends the acting unit's turn: the next unit, a new round on a wrap, TURN_NEXT.
void finishTurn();
