#include "shell/platform_browser.h"

#include <allegro.h>
#include <emscripten.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "shell/shot_samples.h"
#include "world/settings.h"

// The page's half of each entry, on the object the page hands the game.
// clang-format off
EM_JS(int32_t, pageHasSound, (), { return Module.vellmoraPage.sound.available() ? 1 : 0; });
EM_JS(int32_t, pageOpenScreen, (int32_t width, int32_t height), {
    return Module.vellmoraPage.openScreen(width, height) ? 1 : 0;
});
EM_JS(void, pageSetTitle, (const char* title), { document.title = UTF8ToString(title); });
EM_JS(void, pagePaint, (const uint8_t* rgba, int32_t width, int32_t height), {
    Module.vellmoraPage.paint(HEAPU8.subarray(rgba, rgba + width * height * 4), width, height);
});
EM_ASYNC_JS(void, pageNextFrame, (), { await Module.vellmoraPage.nextFrame(); });
EM_JS(void, pageTakeInput, (), { Module.vellmoraPage.input.take(); });
EM_JS(int32_t, pagePointerX, (), { return Module.vellmoraPage.input.x; });
EM_JS(int32_t, pagePointerY, (), { return Module.vellmoraPage.input.y; });
EM_JS(int32_t, pageButtons, (), { return Module.vellmoraPage.input.buttons(); });
EM_JS(void, pageClearButtons, (), { Module.vellmoraPage.input.clearButtons(); });
EM_JS(int32_t, pageEscDown, (), { return Module.vellmoraPage.input.escDown() ? 1 : 0; });
EM_JS(int32_t, pageKeyWaiting, (), { return Module.vellmoraPage.input.keyWaiting ? 1 : 0; });
EM_JS(void, pageClearKeys, (), { Module.vellmoraPage.input.keyWaiting = false; });
EM_JS(void, pageLoadSound, (int32_t id, const char* path), {
    Module.vellmoraPage.sound.load(id, FS.readFile(UTF8ToString(path)));
});
EM_JS(void, pageForgetSound, (int32_t id), { Module.vellmoraPage.sound.forget(id); });
EM_JS(void, pagePlaySound, (int32_t id, double gain), { Module.vellmoraPage.sound.play(id, gain); });
// clang-format on

namespace {
constexpr double SHOT_GAIN = 128.0 / 255.0; // the desktop's play_sample volume
constexpr int TRANSPARENT_TEXT = -1;
constexpr uint8_t OPAQUE = 255;
constexpr int RGBA = 4;
// A tab the browser paused wakes with one tick, not with every one it slept through.
constexpr double CATCH_UP_MS = 250.0;

struct TickClock {
    TickHandler handler = nullptr;
    double intervalMs = 1.0;
    double dueMs = 0.0;
};
TickClock ticks;
std::vector<uint8_t> rgba;

// The library's core alone: no drivers, memory bitmaps only.
bool startLibrary() {
    return install_allegro(SYSTEM_NONE, &errno, std::atexit) == 0;
}

bool installSound() {
    return pageHasSound() != 0;
}

const char* libraryError() {
    return allegro_error;
}

// The page shows the frame at the scale the window allows; the options are the desktop's.
bool openScreen(const DisplayOptions&, int32_t depth) {
    set_color_depth(depth);
    return pageOpenScreen(SCREEN_WIDTH, SCREEN_HEIGHT) != 0;
}

void setWindowTitle(const char* title) {
    pageSetTitle(title);
}

BITMAP* newScreenBuffer() {
    return create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
}

BITMAP* loadPicture(const char* path) {
    return load_bitmap(path, nullptr);
}

// Sounds are known to the page by their handle.
int32_t soundId(SAMPLE* sample) {
    return static_cast<int32_t>(reinterpret_cast<intptr_t>(sample));
}

// The library reads the file too, so a broken one fails as on the desktop.
SAMPLE* loadSample(const char* path) {
    SAMPLE* sample = load_sample(path);
    if (sample)
        pageLoadSound(soundId(sample), path);
    return sample;
}

void releaseSample(SAMPLE* sample) {
    pageForgetSound(soundId(sample));
    destroy_sample(sample);
}

void startTicks(TickHandler handler, int32_t intervalMs) {
    ticks.handler = handler;
    ticks.intervalMs = intervalMs > 0 ? intervalMs : 1;
    ticks.dueMs = emscripten_get_now() + ticks.intervalMs;
}

void stopTicks(TickHandler) {
    ticks.handler = nullptr;
}

// As the timer thread would have run the handler meanwhile: once per interval.
void deliverDueTicks() {
    const double now = emscripten_get_now();
    if (now - ticks.dueMs > CATCH_UP_MS)
        ticks.dueMs = now;
    while (ticks.handler && ticks.dueMs <= now) {
        ticks.dueMs += ticks.intervalMs;
        ticks.handler();
    }
}

void transparentText() {
    text_mode(TRANSPARENT_TEXT);
}

void endLibrary() {
    allegro_exit();
}

// The frame's 16-bit pixels in the layout the library chose, as bytes the canvas takes.
void present(BITMAP* frame) {
    if (!frame)
        return;
    rgba.resize(static_cast<size_t>(frame->w) * frame->h * RGBA);
    uint8_t* out = rgba.data();
    for (int y = 0; y < frame->h; ++y)
        for (int x = 0; x < frame->w; ++x) {
            const int pixel = _getpixel16(frame, x, y);
            *out++ = static_cast<uint8_t>(getr16(pixel));
            *out++ = static_cast<uint8_t>(getg16(pixel));
            *out++ = static_cast<uint8_t>(getb16(pixel));
            *out++ = OPAQUE;
        }
    pagePaint(rgba.data(), frame->w, frame->h);
}

int32_t mouseX() {
    return pagePointerX();
}
int32_t mouseY() {
    return pagePointerY();
}
int32_t mouseButtons() {
    return pageButtons();
}
void clearMouseButtons() {
    pageClearButtons();
}
bool escDown() {
    return pageEscDown() != 0;
}
bool keyPressed() {
    return pageKeyWaiting() != 0;
}
void clearKeys() {
    pageClearKeys();
}

// Every wait hands the browser a frame: it paints, takes events, and calls
// back no sooner than the next frame is due. The ticks come after, so the
// next pass sees them.
void idle() {
    pageNextFrame();
    pageTakeInput();
    deliverDueTicks();
}

void playShot(int32_t sample) {
    if (sample < 0 || sample >= WEAPON_SOUND_COUNT || !shotSamples[sample])
        return;
    pagePlaySound(soundId(shotSamples[sample]), SHOT_GAIN);
}
} // namespace

Platform browserPlatform() {
    Platform table = nullPlatform();
    table.startLibrary = startLibrary;
    table.installSound = installSound;
    table.libraryError = libraryError;
    table.openScreen = openScreen;
    table.setWindowTitle = setWindowTitle;
    table.newScreenBuffer = newScreenBuffer;
    table.loadPicture = loadPicture;
    table.loadSample = loadSample;
    table.releaseSample = releaseSample;
    table.startTicks = startTicks;
    table.stopTicks = stopTicks;
    table.transparentText = transparentText;
    table.endLibrary = endLibrary;
    table.present = present;
    table.mouseX = mouseX;
    table.mouseY = mouseY;
    table.mouseButtons = mouseButtons;
    table.clearMouseButtons = clearMouseButtons;
    table.escDown = escDown;
    table.keyPressed = keyPressed;
    table.clearKeys = clearKeys;
    table.idle = idle;
    table.playShot = playShot;
    return table;
}
