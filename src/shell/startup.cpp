#include "shell/startup.h"

#include <allegro.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "draw/pictures.h"
#include "shell/failure_line.h"
#include "shell/picture_sizes.h"
#include "world/settings_file.h"
#include "shell/shot_samples.h"
#include "shell/stop_handlers.h"
#include "shell/turn_loop.h"
#include "world/game_state.h"
#include "world/settings.h"

namespace {
constexpr int COLOUR_DEPTH = 16;
constexpr const char* SOUND_ERROR = "Error installint sound\n";
constexpr const char* WINDOW_TITLE = "Vellmora";
constexpr const char* SETTINGS_PATH = "init.txt";
constexpr const char* SHOT_SOUND_PATH = ".//Data//Sounds//snd_rifle.wav";
constexpr int TRANSPARENT_TEXT = -1;

// Where each picture goes, in the order start-up loads them.
BITMAP** const PICTURE_SLOTS[PICTURE_COUNT] = {
    &mapBackground, &wallBmp,  &wall2Bmp,  &playerBmp, &player2Bmp,  &targetBmp, &motionBmp,
    &nowalkBmp,     &waitBmp,  &medkitBmp, &mainBmp,   &instructBmp, &doorBmp,   &diamondBmp,
};

BITMAP** const RELEASE_ORDER[] = {
    &mapBackground, &playerBmp,  &player2Bmp,  &targetBmp, &motionBmp,
    &nowalkBmp,     &backBuffer, &wallBmp,     &wall2Bmp,  &waitBmp,
    &medkitBmp,     &mainBmp,    &instructBmp, &doorBmp,   &diamondBmp,
};

const std::string SCREEN_SIZE =
    "the " + std::to_string(SCREEN_WIDTH) + " x " + std::to_string(SCREEN_HEIGHT);

bool failed(const std::string& cause) {
    reportFailure(cause);
    return false;
}

// With the library's own words on why, when it left any.
bool libraryFailed(const std::string& cause) {
    return failed(allegro_error[0] ? cause + " (" + allegro_error + ")" : cause);
}

bool tickInstalled = false;

void stopTicks() {
    // The handler reads the current unit; it must be gone before the units are.
    if (tickInstalled)
        remove_int(timerTick);
    tickInstalled = false;
}

void releasePictures() {
    for (BITMAP** slot : RELEASE_ORDER) {
        if (*slot)
            destroy_bitmap(*slot);
        *slot = nullptr;
    }
}

void releaseSamples() {
    for (SAMPLE*& sample : shotSamples) {
        if (sample)
            destroy_sample(sample);
        sample = nullptr;
    }
}
} // namespace

bool startLibrary() {
    if (install_allegro(SYSTEM_AUTODETECT, &errno, std::atexit) != 0)
        return libraryFailed("the game library could not start; is there a display?");
    installSignalHandlers();
    install_keyboard();
    install_timer();
    install_mouse();
    if (install_sound(DIGI_AUTODETECT, MIDI_AUTODETECT, "") < 0) {
        std::fputs(SOUND_ERROR, stdout);
        std::fflush(stdout); // whatever the exit handlers do, the line is out
        return libraryFailed("no sound driver could be installed");
    }
    return true;
}

bool openScreen(int gfxMode) {
    set_color_depth(COLOUR_DEPTH);
    if (set_gfx_mode(gfxMode, SCREEN_WIDTH, SCREEN_HEIGHT, 0, 0) < 0)
        return libraryFailed(SCREEN_SIZE + " 16-bit graphics mode cannot be opened; is there a display?");
    set_window_title(WINDOW_TITLE);
    installCloseButton();
    backBuffer = create_bitmap(SCREEN_W, SCREEN_H);
    if (!backBuffer)
        return failed(SCREEN_SIZE + " back buffer cannot be made");
    return true;
}

bool loadPictures() {
    // The first that fails ends start-up.
    for (int i = 0; i < PICTURE_COUNT; ++i) {
        *PICTURE_SLOTS[i] = load_bitmap(picturePaths[i], nullptr);
        if (!*PICTURE_SLOTS[i]) {
            reportFailure(missingDataFile(picturePaths[i]));
            return false;
        }
    }
    return true;
}

bool picturesBigEnough() {
    PictureSize sizes[PICTURE_COUNT];
    for (int i = 0; i < PICTURE_COUNT; ++i)
        sizes[i] = PictureSize{(*PICTURE_SLOTS[i])->w, (*PICTURE_SLOTS[i])->h};
    const std::string problem = pictureSizeProblem(sizes);
    return problem.empty() || failed(problem);
}

void loadShotSamples() {
    for (SAMPLE*& sample : shotSamples)
        sample = load_sample(SHOT_SOUND_PATH);
}

bool readSettings(const char* path) {
    SettingsRecords records;
    const bool opened = parseSettingsFile(path, records);
    applySettings(records, makecol);
    return opened;
}

bool initGameState() {
    // makecol needs the 16-bit mode, so this runs after openScreen.
    readSettings(SETTINGS_PATH);
    allFloorsDone = false;
    install_int(timerTick, timerIntervalMs(tickMs));
    tickInstalled = true;
    text_mode(TRANSPARENT_TEXT);
    return true;
}

void shutdownGame() {
    stopTicks();
    releasePictures();
    releaseSamples();
    releaseFloorArrays();
}
