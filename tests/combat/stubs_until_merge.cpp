// Temporary stand-in for the turn order until it lands.
#include "world/game_state.h"
#include "world/turn_order.h"

int32_t advanceTurn(int32_t& slot, Unit us[]) {
    for (;;) {
        if (++slot >= unitCount) {
            slot = 0;
            return TURN_ROUND_OVER;
        }
        const Unit& u = us[turnOrder[slot]];
        if (u.health > 0 && u.onFloor)
            return TURN_NEXT;
    }
}
