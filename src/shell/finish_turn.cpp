#include "shell/turn_loop.h"
#include "world/game_state.h"
#include "world/turn_order.h"

void finishTurn() {
    if (advanceTurn(turnSlot, units.data()) == TURN_ROUND_OVER)
        startRound(unitCount, units.data());
    turnState = TURN_NEXT;
}
