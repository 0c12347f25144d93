// Entry point; the build variant chooses the graphics mode (PROWLGRID_GFX_MODE).
#include <allegro.h>

#include <mutex>

#include "shell/new_game.h"
#include "shell/play_game.h"
#include "shell/platform_allegro.h"
#include "shell/startup.h"
#include "shell/stop_handlers.h"
#include "shell/turn_lock.h"
#include "world/floor_loading.h"
#include "world/game_state.h"

namespace {
bool startUp() {
    installPlatform(allegroPlatform());
    if (!startLibrary() || !openScreen(PROWLGRID_GFX_MODE) || !loadPictures() ||
        !picturesBigEnough())
        return false;
    loadShotSamples();
    resetForNewGame(1);
    initGameState();
    return true;
}

bool loadFirstFloor() {
    // The timer is ticking already, and it reads the turn.
    std::lock_guard<std::mutex> hold(turnLock);
    return loadFloor(floorNumber) || allFloorsDone;
}

int run() {
    if (!startUp())
        return EXIT_FAILED;
    if (!loadFirstFloor())
        return refuseFloor();
    return playGame();
}
} // namespace

int main() {
    const int status = run();
    shutdownGame();
    endBySignal();
    return status;
}
END_OF_MAIN()
