// Stand-ins for the parts that land from other branches, just enough to start
// the game and show the title picture until Esc.
#include <string>

#include "combat/shot.h"
#include "draw/frame.h"
#include "draw/map_background.h"
#include "draw/pictures.h"
#include "shell/platform.h"
#include "shell/title_menu.h"
#include "shell/turn_loop.h"
#include "world/floor_loading.h"
#include "world/game_state.h"

bool loadFloor(int32_t) {
    return true;
}
const std::string& floorLoadError() {
    static const std::string none;
    return none;
}
void setMapRedrawHook(MapRedrawHook) {}
void setFramePresenter(FramePresenter) {}
void setShotSoundPlayer(ShotSoundPlayer) {}
void drawMapBackground() {}

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
