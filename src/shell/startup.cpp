#include "shell/startup.h"

#include <allegro.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "draw/pictures.h"
#include "shell/settings_file.h"
#include "shell/shot_samples.h"
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

struct PictureFile {
    const char* path;
    BITMAP** slot;
};

// Loading order; the first that fails ends start-up.
const PictureFile PICTURE_FILES[] = {
    {".//Data//Images//tiles.bmp", &mapBackground}, {".//Data//Images//wall.bmp", &wallBmp},
    {".//Data//Images//wall2.bmp", &wall2Bmp},      {".//Data//Images//player.bmp", &playerBmp},
    {".//Data//Images//player2.bmp", &player2Bmp},  {".//Data//Images//target.bmp", &targetBmp},
    {".//Data//Images//motion.bmp", &motionBmp},    {".//Data//Images//nowalk.bmp", &nowalkBmp},
    {".//Data//Images//wait.bmp", &waitBmp},        {".//Data//Images//medkit.bmp", &medkitBmp},
    {".//Data//Images//main.bmp", &mainBmp},        {".//Data//Images//Instruct.bmp", &instructBmp},
    {".//Data//Images//door.bmp", &doorBmp},        {".//Data//Images//diamond.bmp", &diamondBmp},
};

BITMAP** const RELEASE_ORDER[] = {
    &mapBackground, &playerBmp,  &player2Bmp,  &targetBmp, &motionBmp,
    &nowalkBmp,     &backBuffer, &wallBmp,     &wall2Bmp,  &waitBmp,
    &medkitBmp,     &mainBmp,    &instructBmp, &doorBmp,   &diamondBmp,
};

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
        return false;
    install_keyboard();
    install_timer();
    install_mouse();
    if (install_sound(DIGI_AUTODETECT, MIDI_AUTODETECT, "") < 0) {
        std::fputs(SOUND_ERROR, stdout);
        std::fflush(stdout); // whatever the exit handlers do, the line is out
        return false;
    }
    return true;
}

bool openScreen(int gfxMode) {
    set_color_depth(COLOUR_DEPTH);
    if (set_gfx_mode(gfxMode, SCREEN_WIDTH, SCREEN_HEIGHT, 0, 0) < 0)
        return false;
    set_window_title(WINDOW_TITLE);
    backBuffer = create_bitmap(SCREEN_W, SCREEN_H);
    return backBuffer != nullptr;
}

bool loadPictures() {
    for (const PictureFile& picture : PICTURE_FILES) {
        *picture.slot = load_bitmap(picture.path, nullptr);
        if (!*picture.slot)
            return false;
    }
    return true;
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
