// The acting order of a floor: sorted once by accuracy, walked slot by slot.
#pragma once

#include <cstdint>

struct Unit;

void sortTurnOrder(Unit units[]);
// TURN_NEXT, or TURN_ROUND_OVER when the order wrapped to slot 0.
int32_t advanceTurn(int32_t& slot, Unit units[]);
void startRound(int32_t count, Unit units[]);
