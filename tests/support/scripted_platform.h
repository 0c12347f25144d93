// A platform table fed by a script instead of a machine. Every call of idle()
// is one step of a virtual clock and every few steps the clock ticks
// (timerTick on the calling thread), so there is no timer thread and no
// display, and the same script always plays the same game.
//
//   ScriptedPlatform play;
//   play.hold(pressAt(x, y), 1)      // left button down for one tick
//       .hold(pointerAt(x, y), 30)   // released, thirty ticks
//       .hold(escape());             // Esc from then on
//   runTurnLoop();
//
// Each moment of the script holds for its number of ticks; the last one holds
// until the game stops asking. A game that outlives its script by far throws
// ScriptRanOut, so a broken test fails instead of hanging.
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <vector>

#include "shell/stand_in_player.h"

struct BITMAP;

struct Moment {
    int32_t x = 0;
    int32_t y = 0;
    int32_t buttons = 0; // bit 0 left, bit 1 right
    bool esc = false;
    bool key = false; // a key arrives in the buffer as the moment begins
};

Moment pointerAt(int32_t x, int32_t y);
Moment pressAt(int32_t x, int32_t y, int32_t buttons = 1);
Moment escape();
Moment keyStroke();

// The pixel in the middle of a map cell, with the current floor's geometry.
int32_t cellPixelX(int32_t cellX);
int32_t cellPixelY(int32_t cellY);

struct ScriptRanOut : std::runtime_error {
    ScriptRanOut() : std::runtime_error("the game outlived its script") {}
};

class ScriptedPlatform : public StandInPlayer {
  public:
    // Becomes the platform table; the destructor puts the old one back.
    explicit ScriptedPlatform(int32_t idleTurnsPerTick = 3);

    ScriptedPlatform& hold(const Moment& moment, int32_t ticks = 1);

    int32_t ticks() const { return tickCount; }
    int32_t presents() const { return presentCount; }
    // One gameDigest() per tick, taken right after timerTick.
    const std::vector<uint64_t>& trace() const { return stateTrace; }

    // Seen by tests as things happen.
    std::function<void(BITMAP*)> onPresent;
    std::function<void()> onTick;
    std::vector<int32_t> soundsPlayed;

  private:
    struct Step {
        Moment moment;
        int32_t ticks;
    };
    int32_t idlesPerTick;
    std::vector<Step> script;
    size_t stepIndex = 0;
    int32_t stepStartTick = 0;
    int32_t idleCount = 0;
    int32_t tickCount = 0;
    int32_t presentCount = 0;
    bool buttonsCleared = false;
    bool keyInBuffer = false;
    std::vector<uint64_t> stateTrace;

    const Moment& now() const;
    void beginStep(size_t index);
    void tick();
    int32_t scriptTicks() const;

    int32_t pointerX() override { return now().x; }
    int32_t pointerY() override { return now().y; }
    int32_t buttonsDown() override { return buttonsCleared ? 0 : now().buttons; }
    // Like the library's mouse_b = 0: the buttons read released until they change.
    void releaseButtons() override { buttonsCleared = true; }
    bool escHeld() override { return now().esc; }
    bool keyWaiting() override { return keyInBuffer; }
    void dropKeys() override { keyInBuffer = false; }
    void idleTurn() override;
    void shown(BITMAP* frame) override;
    void shotHeard(int32_t sample) override { soundsPlayed.push_back(sample); }
};
