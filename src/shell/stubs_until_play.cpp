// Stand-ins for the parts that land from other branches, just enough to start
// the game and show the title picture until Esc.

#include "draw/pictures.h"
#include "shell/platform.h"
#include "shell/title_menu.h"
#include "shell/turn_loop.h"
#include "world/game_state.h"

bool runTitleMenu() {
    while (!platform.escDown()) {
        platform.present(mainBmp);
        platform.idle();
    }
    return false;
}
bool showTextPage(const char*, const char*) {
    return true;
}
bool runTurnLoop() {
    return false;
}
void timerTick() {
    tickPending = true;
}
