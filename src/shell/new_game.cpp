#include "shell/new_game.h"

#include "shell/player_commands.h"
#include "world/game_state.h"

void resetForNewGame(int32_t firstFloor) {
    floorNumber = firstFloor;
    allFloorsDone = false;
    turnState = TURN_NEXT;
    tickPending = false;
    shotTimer = 0;
    shotTarget = NO_UNIT;
    shotShooter = NO_UNIT;
    shotDamage = 0;
    buttonHeld = false;
}
