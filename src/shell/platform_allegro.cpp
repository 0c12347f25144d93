#include "shell/platform_allegro.h"

#include <allegro.h>
#if defined(ALLEGRO_WINDOWS)
#include <winalleg.h>
#endif

#include <cerrno>
#include <cstdlib>

#include "shell/platform_allegro_display.h"
#include "shell/shot_samples.h"

namespace {
constexpr int SHOT_VOLUME = 128;
constexpr int SHOT_PAN = 128;
constexpr int SHOT_FREQUENCY = 1000; // the sample's own pitch
constexpr int TRANSPARENT_TEXT = -1;
constexpr const char* NO_SOUND_CONFIG = "";

bool libraryStarted = false;

// The library's own shutdown then runs when the process exits.
bool startLibrary() {
    libraryStarted = install_allegro(SYSTEM_AUTODETECT, &errno, std::atexit) == 0;
    return libraryStarted;
}

// Their results are not looked at: a game without them still shows its screens.
void installInput() {
    install_keyboard();
    install_timer();
    install_mouse();
    watchForScreenSwitch();
}

bool installSound() {
    return install_sound(DIGI_AUTODETECT, MIDI_AUTODETECT, NO_SOUND_CONFIG) >= 0;
}

const char* libraryError() {
    return allegro_error;
}

BITMAP* loadPicture(const char* path) {
    // No palette is wanted: the picture comes in the mode's depth.
    return load_bitmap(path, nullptr);
}

SAMPLE* loadSample(const char* path) {
    return load_sample(path);
}

void releaseSample(SAMPLE* sample) {
    destroy_sample(sample);
}

void startTicks(TickHandler handler, int32_t intervalMs) {
    install_int(handler, intervalMs);
}

void stopTicks(TickHandler handler) {
    remove_int(handler);
}

void transparentText() {
    text_mode(TRANSPARENT_TEXT);
}

void endLibrary() {
    closeScaledScreen();
    allegro_exit();
    libraryStarted = false;
}

#if defined(ALLEGRO_WINDOWS)
constexpr const char* FAILURE_BOX_TITLE = "Vellmora";

// A game started from the Start menu has no console: only a box is seen.
void showFailure(const char* line) {
    if (!libraryStarted) {
        MessageBoxA(nullptr, line, FAILURE_BOX_TITLE, MB_OK | MB_ICONERROR);
        return;
    }
    // A box cannot show over a full screen; the box is named after the window.
    set_gfx_mode(GFX_TEXT, 0, 0, 0, 0);
    set_window_title(FAILURE_BOX_TITLE);
    allegro_message("%s", line);
}
#else
// The launchers show the line from standard error where no terminal shows it.
void showFailure(const char*) {}
#endif

int32_t mouseButtons() {
    return mouse_b;
}
void clearMouseButtons() {
    mouse_b = 0;
}
bool escDown() {
    return key[KEY_ESC] != 0;
}
bool keyPressed() {
    return keypressed() != 0;
}
void clearKeys() {
    clear_keybuf();
}

void playShot(int32_t sample) {
    if (sample < 0 || sample >= WEAPON_SOUND_COUNT || !shotSamples[sample])
        return;
    play_sample(shotSamples[sample], SHOT_VOLUME, SHOT_PAN, SHOT_FREQUENCY, 0);
}
} // namespace

Platform allegroPlatform() {
    Platform table = nullPlatform();
    table.startLibrary = startLibrary;
    table.installInput = installInput;
    table.installSound = installSound;
    table.libraryError = libraryError;
    table.openScreen = openScaledScreen;
    table.setWindowTitle = setScaledWindowTitle;
    table.setCloseHandler = setScaledCloseHandler;
    table.newScreenBuffer = newFrameBuffer;
    table.loadPicture = loadPicture;
    table.loadSample = loadSample;
    table.releaseSample = releaseSample;
    table.startTicks = startTicks;
    table.stopTicks = stopTicks;
    table.transparentText = transparentText;
    table.endLibrary = endLibrary;
    table.showFailure = showFailure;
    table.present = presentScaled;
    table.mouseX = framePointerX;
    table.mouseY = framePointerY;
    table.mouseButtons = mouseButtons;
    table.clearMouseButtons = clearMouseButtons;
    table.escDown = escDown;
    table.keyPressed = keyPressed;
    table.clearKeys = clearKeys;
    table.idle = awaitNextFrame;
    table.playShot = playShot;
    return table;
}
