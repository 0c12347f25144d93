// Everything that touches the machine, behind one table: starting and ending
// the library, the screen and its window, the pointer and buttons, keys, the
// tick and the shot sounds. The real table talks to the library; tests install
// a scripted one and play whole floors headless and deterministically.
#pragma once

#include <cstdint>

#include "shell/display_options.h"

struct BITMAP;
struct SAMPLE;

using TickHandler = void (*)();
using CloseHandler = void (*)();

struct Platform {
    // Start-up and shutdown, in the order start-up uses them.
    bool (*startLibrary)();            // false when the library cannot start
    void (*installInput)();            // keyboard, timer and mouse, in that order
    bool (*installSound)();            // false when no sound driver could be had
    const char* (*libraryError)();     // the library's own words on its last failure, or ""
    // Sets the colour depth, then a screen that shows the 640 x 480 frame as the
    // player asked; false when no such screen can be had.
    bool (*openScreen)(const DisplayOptions& options, int32_t depth);
    void (*setWindowTitle)(const char* title);
    void (*setCloseHandler)(CloseHandler handler); // the window's close box
    BITMAP* (*newScreenBuffer)();      // a memory bitmap the frame's size, or null
    // A picture file in the mode's colour depth; null when missing or unreadable.
    BITMAP* (*loadPicture)(const char* path);
    SAMPLE* (*loadSample)(const char* path); // null when missing or unreadable
    void (*releaseSample)(SAMPLE* sample);
    void (*startTicks)(TickHandler handler, int32_t intervalMs);
    void (*stopTicks)(TickHandler handler);
    void (*transparentText)();         // text is drawn without a background from now on
    void (*endLibrary)();              // the library's own shutdown, before the process ends
    // The failure line, once more where a player who started the game from a
    // menu sees it; standard error has it already. Nothing where none is needed.
    void (*showFailure)(const char* line);

    // Play.
    void (*present)(BITMAP* frame);  // show the whole frame on the screen
    int32_t (*mouseX)();             // the pointer in the frame's own pixels
    int32_t (*mouseY)();
    int32_t (*mouseButtons)();       // bit 0 left, bit 1 right
    void (*clearMouseButtons)();     // the library's mouse_b = 0
    bool (*escDown)();               // key[KEY_ESC]
    bool (*keyPressed)();            // keypressed()
    void (*clearKeys)();             // clear_keybuf()
    // One turn of a wait: gives the processor back until the next frame is due.
    void (*idle)();
    void (*playShot)(int32_t sample); // shotSamples[sample], 0 to 2
};

// The table with no machine at all: every entry does nothing, reads nothing
// pressed and fails what could fail. Test and tool tables start from it and
// set only the entries they play.
Platform nullPlatform();

// Puts the table in use and connects the subsystems' up-calls to it, so no
// caller can install a table and forget them.
void installPlatform(const Platform& table);

// The table in use: the null one until a table is installed.
extern const Platform& platform;
