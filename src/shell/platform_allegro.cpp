#include "shell/platform_allegro.h"

#include <allegro.h>

#include "shell/platform.h"
#include "shell/shot_samples.h"

namespace {
constexpr int SHOT_VOLUME = 128;
constexpr int SHOT_PAN = 128;
constexpr int SHOT_FREQUENCY = 1000; // the sample's own pitch

void present(BITMAP* frame) {
    // Shutdown leaves the back buffer null; a late frame then shows nothing.
    if (!frame || !screen)
        return;
    acquire_screen();
    blit(frame, screen, 0, 0, 0, 0, frame->w, frame->h);
    release_screen();
}

int32_t mouseX() {
    return mouse_x;
}
int32_t mouseY() {
    return mouse_y;
}
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

// The waits are busy loops; giving up the time slice keeps them polite.
void idle() {
    rest(0);
}

void playShot(int32_t sample) {
    if (sample < 0 || sample >= WEAPON_SOUND_COUNT || !shotSamples[sample])
        return;
    play_sample(shotSamples[sample], SHOT_VOLUME, SHOT_PAN, SHOT_FREQUENCY, 0);
}
} // namespace

void installAllegroPlatform() {
    platform = Platform{present, mouseX,     mouseY,    mouseButtons, clearMouseButtons,
                        escDown, keyPressed, clearKeys, idle,         playShot};
}
