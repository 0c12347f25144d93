// Everything that touches the machine, behind one table: presenting the back
// buffer, the pointer and buttons, keys, the tick and the shot sound. The real
// table talks to the library; tests install a scripted one and play whole
// floors headless and deterministically.
#pragma once

#include <cstdint>

struct BITMAP;

struct Platform {
    void (*present)(BITMAP* frame);  // copy the whole frame to the screen
    int32_t (*mouseX)();
    int32_t (*mouseY)();
    int32_t (*mouseButtons)();       // bit 0 left, bit 1 right
    void (*clearMouseButtons)();     // the library's mouse_b = 0
    bool (*escDown)();               // key[KEY_ESC]
    bool (*keyPressed)();            // keypressed()
    void (*clearKeys)();             // clear_keybuf()
    void (*idle)();                  // one turn of a busy wait: yield the processor
    void (*playShot)(int32_t sample); // shotSamples[sample], 0 to 2
};

// The table in use; start-up installs the library's, tests their own.
extern Platform platform;
