#include "shell/platform_allegro_display.h"

#include <allegro.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>

#include "shell/display_fit.h"
#include "world/settings.h"

namespace {
using Clock = std::chrono::steady_clock;
// A turn-based game needs no more than the display's usual rate.
constexpr auto FRAME_TIME = std::chrono::microseconds(1000000 / 60);
constexpr int32_t BLACK = 0;

DisplayOptions shownAs;
FramePlacement placement{SCREEN_WIDTH, SCREEN_HEIGHT, 1, 0, 0};
int32_t colourDepth = 0;
const char* windowTitle = nullptr;
CloseHandler closeHandler = nullptr;
// The frame on the screen now: an unchanged frame is not sent again, and a new
// screen after a switch shows it at once (a text page presents only once).
BITMAP* shown = nullptr;
bool shownIsOnScreen = false;
std::atomic<bool> switchWanted{false};
Clock::time_point nextFrame{};

// Called by the keyboard handler; the switch itself waits for the main thread.
int takeSwitchKey(int key) {
    const int scancode = key >> 8;
    if ((scancode == KEY_ENTER || scancode == KEY_ENTER_PAD) && (key_shifts & KB_ALT_FLAG)) {
        switchWanted = true;
        return 0; // swallowed: no page or menu sees it as a key
    }
    return key;
}
END_OF_FUNCTION(takeSwitchKey)

void desktopSize(int32_t& width, int32_t& height) {
    int w = 0, h = 0;
    if (get_desktop_resolution(&w, &h) != 0)
        w = h = 0;
    width = w;
    height = h;
}

bool setMode(const FramePlacement& wanted, bool fullScreen) {
    set_color_depth(colourDepth);
    const int card = fullScreen ? GFX_AUTODETECT_FULLSCREEN : GFX_AUTODETECT_WINDOWED;
    if (set_gfx_mode(card, wanted.screenWidth, wanted.screenHeight, 0, 0) < 0)
        return false;
    placement = wanted;
    clear_to_color(screen, BLACK);
    // The pointer stays on the frame; the border is not the game's.
    set_mouse_range(wanted.left, wanted.top, wanted.left + SCREEN_WIDTH * wanted.scale - 1,
                    wanted.top + SCREEN_HEIGHT * wanted.scale - 1);
    if (windowTitle)
        set_window_title(windowTitle);
    if (closeHandler)
        set_close_button_callback(closeHandler);
    shownIsOnScreen = false;
    return true;
}

bool openAs(const DisplayOptions& options) {
    int32_t width = 0, height = 0;
    desktopSize(width, height);
    const FramePlacement wanted = placeFrame(options, width, height);
    // Should the desktop's own size be refused, the frame's size still may not be.
    const FramePlacement plain{SCREEN_WIDTH, SCREEN_HEIGHT, 1, 0, 0};
    if (!setMode(wanted, options.fullScreen) && !(options.fullScreen && setMode(plain, true)))
        return false;
    shownAs = options;
    return true;
}

bool sameAsShown(BITMAP* frame) {
    const size_t rowBytes =
        static_cast<size_t>(frame->w) * static_cast<size_t>((bitmap_color_depth(frame) + 7) / 8);
    for (int y = 0; y < frame->h; ++y)
        if (std::memcmp(frame->line[y], shown->line[y], rowBytes) != 0)
            return false;
    return true;
}

void showOnScreen(BITMAP* frame) {
    const int32_t scale = placement.scale;
    acquire_screen();
    if (scale == 1)
        blit(frame, screen, 0, 0, placement.left, placement.top, frame->w, frame->h);
    else
        stretch_blit(frame, screen, 0, 0, frame->w, frame->h, placement.left, placement.top,
                     frame->w * scale, frame->h * scale);
    release_screen();
}

void switchScreen() {
    DisplayOptions other = shownAs;
    other.fullScreen = !other.fullScreen;
    // Back to what it was when the other kind cannot be had.
    if (!openAs(other) && !openAs(shownAs)) {
        if (closeHandler)
            closeHandler(); // nothing left to show the game on
        return;
    }
    if (shown)
        presentScaled(shown);
}
} // namespace

void watchForScreenSwitch() {
    LOCK_FUNCTION(takeSwitchKey);
    keyboard_callback = takeSwitchKey;
}

bool openScaledScreen(const DisplayOptions& options, int32_t depth) {
    colourDepth = depth;
    return openAs(options);
}

void setScaledWindowTitle(const char* title) {
    windowTitle = title;
    set_window_title(title);
}

void setScaledCloseHandler(CloseHandler handler) {
    closeHandler = handler;
    set_close_button_callback(handler);
}

BITMAP* newFrameBuffer() {
    return create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
}

void presentScaled(BITMAP* frame) {
    // Shutdown leaves the back buffer null; a late frame then shows nothing.
    if (!frame || !screen)
        return;
    if (!shown || shown->w != frame->w || shown->h != frame->h) {
        if (shown)
            destroy_bitmap(shown);
        shown = create_bitmap(frame->w, frame->h);
        shownIsOnScreen = false;
    }
    if (shown && shownIsOnScreen && sameAsShown(frame))
        return;
    showOnScreen(frame);
    if (shown && shown != frame)
        blit(frame, shown, 0, 0, 0, 0, frame->w, frame->h);
    shownIsOnScreen = shown != nullptr;
}

int32_t framePointerX() {
    return frameX(placement, mouse_x);
}

int32_t framePointerY() {
    return frameY(placement, mouse_y);
}

void awaitNextFrame() {
    if (switchWanted.exchange(false))
        switchScreen();
    const Clock::time_point now = Clock::now();
    if (now < nextFrame) {
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(nextFrame - now);
        rest(static_cast<unsigned int>(wait.count()));
    }
    nextFrame = std::max(nextFrame, now) + FRAME_TIME;
}

void closeScaledScreen() {
    if (shown)
        destroy_bitmap(shown);
    shown = nullptr;
    shownIsOnScreen = false;
}
