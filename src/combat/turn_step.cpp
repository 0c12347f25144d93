#include "combat/turn_step.h"

#include "combat/enemy_behaviour.h"
#include "world/game_state.h"
#include "world/turn_order.h"

void stepTurnLogic(PathSearch& search) {
    bool fired = false;
    turnState = wrapRound(enemyAct(units.data(), search, turnSlot, fired));
    // Until the next step asks about the unit that follows, nothing may take a
    // dead soldier's turn for the player's.
    if (currentUnit().health < 1)
        finishTurn();
}
