// Entry point; the build variant chooses the graphics mode (PROWLGRID_GFX_MODE).
#include <allegro.h>

#include <cstdio>
#include <mutex>

#include "shell/platform.h"
#include "shell/platform_allegro.h"
#include "shell/startup.h"
#include "shell/subsystem_hooks.h"
#include "shell/title_menu.h"
#include "shell/turn_lock.h"
#include "shell/turn_loop.h"
#include "world/floor_loading.h"
#include "world/game_state.h"

namespace {
constexpr int FLOOR_DATA_REFUSED = 1;
constexpr int PICTURE_REFUSED = 1;
constexpr const char* STORY_PATH = ".//story.txt";
constexpr const char* STORY_ERROR = "Error loading story\n";
constexpr const char* ENDGAME_PATH = ".//endgame.txt";
constexpr const char* ENDGAME_ERROR = "Error loading endgame\n";

bool startUp() {
    if (!startLibrary() || !openScreen(PROWLGRID_GFX_MODE) || !loadPictures())
        return false;
    loadShotSamples();
    installAllegroPlatform();
    connectSubsystems();
    floorNumber = 1;
    initGameState();
    return true;
}

// A floor that cannot be played is no quiet failure: the player must learn why.
int refuseFloor() {
    std::printf("%s\n", floorLoadError().c_str());
    shutdownGame();
    return FLOOR_DATA_REFUSED;
}

bool loadFirstFloor() {
    // The timer is ticking already, and it reads the turn.
    std::lock_guard<std::mutex> hold(turnLock);
    return loadFloor(floorNumber) || allFloorsDone;
}

// The screens and the game; shutdownGame has run when it returns.
int play() {
    if (!runTitleMenu() || !showTextPage(STORY_PATH, STORY_ERROR)) {
        shutdownGame();
        return 0;
    }
    platform.clearMouseButtons();
    const bool completed = runTurnLoop();
    if (turnLoopEnd() == TurnLoopEnd::FLOOR_REFUSED)
        return refuseFloor();
    if (completed)
        showTextPage(ENDGAME_PATH, ENDGAME_ERROR);
    shutdownGame();
    return 0;
}
} // namespace

int main() {
    if (!startUp())
        return 0;
    if (!picturesBigEnough()) {
        shutdownGame();
        return PICTURE_REFUSED;
    }
    if (!loadFirstFloor())
        return refuseFloor();
    return play();
}
END_OF_MAIN()
