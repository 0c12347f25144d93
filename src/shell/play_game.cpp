#include "shell/play_game.h"

#include <cstdio>

#include "shell/failure_line.h"
#include "shell/platform.h"
#include "shell/stop_request.h"
#include "shell/text_page.h"
#include "shell/title_menu.h"
#include "shell/turn_loop.h"
#include "world/floor_loading.h"

namespace {
constexpr const char* STORY_PATH = ".//story.txt";
constexpr const char* STORY_ERROR = "Error loading story\n";
constexpr const char* ENDGAME_PATH = ".//endgame.txt";
constexpr const char* ENDGAME_ERROR = "Error loading endgame\n";

bool showPage(const char* path, const char* errorLine) {
    if (showTextPage(path, errorLine))
        return true;
    reportFailure(missingDataFile(path));
    return false;
}

int afterTurnLoop(bool completed) {
    if (turnLoopEnd() == TurnLoopEnd::FLOOR_REFUSED)
        return refuseFloor();
    if (completed && !showPage(ENDGAME_PATH, ENDGAME_ERROR))
        return EXIT_FAILED;
    return EXIT_PLAYED;
}
} // namespace

int refuseFloor() {
    // The floor's line stays on standard output, where it has always been.
    std::printf("%s\n", floorLoadError().c_str());
    std::fflush(stdout);
    return EXIT_FAILED;
}

int playGame() {
    if (!runTitleMenu())
        return EXIT_PLAYED;
    if (!showPage(STORY_PATH, STORY_ERROR))
        return EXIT_FAILED;
    if (leaveRequested())
        return EXIT_PLAYED;
    platform.clearMouseButtons();
    return afterTurnLoop(runTurnLoop());
}
