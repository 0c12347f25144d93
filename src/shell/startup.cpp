#include "shell/startup.h"

#include <cstdio>
#include <string>

#include "draw/colours.h"
#include "draw/picture_files.h"
#include "draw/pictures.h"
#include "shell/failure_line.h"
#include "shell/picture_sizes.h"
#include "shell/platform.h"
#include "shell/shot_samples.h"
#include "shell/stop_handlers.h"
#include "shell/timer_tick.h"
#include "world/game_state.h"
#include "world/settings.h"
#include "world/settings_file.h"

namespace {
constexpr int COLOUR_DEPTH = 16;
constexpr const char* SOUND_ERROR = "Error installint sound\n";
constexpr const char* WINDOW_TITLE = "Vellmora";
constexpr const char* SETTINGS_PATH = "init.txt";
constexpr const char* SHOT_SOUND_PATH = ".//Data//Sounds//snd_rifle.wav";

const std::string SCREEN_SIZE =
    "the " + std::to_string(SCREEN_WIDTH) + " x " + std::to_string(SCREEN_HEIGHT);

bool failed(const std::string& cause) {
    reportFailure(cause);
    return false;
}

// With the library's own words on why, when it left any.
bool libraryFailed(const std::string& cause) {
    const char* why = platform.libraryError();
    return failed(why && why[0] ? cause + " (" + why + ")" : cause);
}

bool tickInstalled = false;

void stopTicks() {
    // The handler reads the current unit; it must be gone before the units are.
    if (tickInstalled)
        platform.stopTicks(timerTick);
    tickInstalled = false;
}

void releasePictures() {
    for (const PictureRow& row : PICTURE_TABLE)
        releasePicture(*row.global);
    releasePicture(backBuffer);
}

void releaseSamples() {
    for (SAMPLE*& sample : shotSamples) {
        if (sample)
            platform.releaseSample(sample);
        sample = nullptr;
    }
}

// The highlight colour's pixel in the mode in use.
int settingsColour(int red, int green, int blue) {
    return pixelOf(Rgb{red, green, blue});
}
} // namespace

bool startLibrary() {
    if (!platform.startLibrary())
        return libraryFailed("the game library could not start; is there a display?");
    installSignalHandlers();
    platform.installInput();
    if (!platform.installSound()) {
        std::fputs(SOUND_ERROR, stdout);
        std::fflush(stdout); // whatever the exit handlers do, the line is out
        return libraryFailed("no sound driver could be installed");
    }
    return true;
}

bool openScreen(const DisplayOptions& options) {
    if (!platform.openScreen(options, COLOUR_DEPTH))
        return libraryFailed(SCREEN_SIZE + " 16-bit graphics mode cannot be opened; is there a display?");
    platform.setWindowTitle(WINDOW_TITLE);
    installCloseButton();
    backBuffer = platform.newScreenBuffer();
    if (!backBuffer)
        return failed(SCREEN_SIZE + " back buffer cannot be made");
    return true;
}

bool loadPictures() {
    // The first that fails ends start-up.
    for (const PictureRow& row : PICTURE_TABLE) {
        *row.global = platform.loadPicture(picturePath(row).c_str());
        if (!*row.global) {
            reportFailure(missingDataFile(picturePath(row)));
            return false;
        }
    }
    return true;
}

bool picturesBigEnough() {
    PictureSize sizes[PICTURE_COUNT];
    for (int i = 0; i < PICTURE_COUNT; ++i) {
        const BITMAP* picture = *PICTURE_TABLE[i].global;
        sizes[i] = PictureSize{pictureWidth(picture), pictureHeight(picture)};
    }
    const std::string problem = pictureSizeProblem(sizes);
    return problem.empty() || failed(problem);
}

void loadShotSamples() {
    for (SAMPLE*& sample : shotSamples)
        sample = platform.loadSample(SHOT_SOUND_PATH);
}

bool readSettings(const char* path) {
    SettingsRecords records;
    const bool opened = parseSettingsFile(path, records);
    applySettings(records, settingsColour);
    return opened;
}

bool initGameState() {
    // A colour's pixel needs the 16-bit mode, so this runs after openScreen.
    readSettings(SETTINGS_PATH);
    allFloorsDone = false;
    platform.startTicks(timerTick, timerIntervalMs(tickMs));
    tickInstalled = true;
    platform.transparentText();
    return true;
}

void shutdownGame() {
    stopTicks();
    releasePictures();
    releaseSamples();
    releaseFloorArrays();
}
