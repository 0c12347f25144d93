// Entry point; the build variant chooses full screen or a window
// (PROWLGRID_FULL_SCREEN), the command line may choose otherwise.
#include <allegro.h>

#include <cstdio>
#include <mutex>

#include "shell/display_options.h"
#include "shell/machine_platform.h"
#include "shell/new_game.h"
#include "shell/play_game.h"
#include "shell/startup.h"
#include "shell/stop_handlers.h"
#include "shell/turn_lock.h"
#include "world/floor_loading.h"
#include "world/game_state.h"

namespace {
constexpr int EXIT_USAGE = 2;

bool startUp(const DisplayOptions& display) {
    installPlatform(machinePlatform());
    if (!startLibrary() || !openScreen(display) || !loadPictures() ||
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

int run(const DisplayOptions& display) {
    if (!startUp(display))
        return EXIT_FAILED;
    if (!loadFirstFloor())
        return refuseFloor();
    return playGame();
}
} // namespace

int main(int argc, char** argv) {
    DisplayOptions display;
    display.fullScreen = PROWLGRID_FULL_SCREEN;
    if (!parseDisplayOptions(argc, argv, display)) {
        std::fprintf(stderr, "%s\n", DISPLAY_USAGE);
        return EXIT_USAGE;
    }
    const int status = run(display);
    shutdownGame();
    endBySignal();
    return status;
}
END_OF_MAIN()
