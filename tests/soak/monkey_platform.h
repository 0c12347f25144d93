// A platform table that plays like a monkey: at every pass of the turn loop it
// moves the pointer and presses at random (cells, enemies, the exit, the panel
// and band, both buttons), and every few idle turns it ticks the timer on the
// calling thread, so a run depends only on its seed.
#pragma once

#include <cstdint>
#include <functional>
#include <random>
#include <stdexcept>

#include "shell/platform.h"

struct GameStuck : std::runtime_error {
    GameStuck() : std::runtime_error("the game went on without asking for the pointer") {}
};

class MonkeyPlatform {
  public:
    // Installs itself as the platform table; the destructor puts the old one back.
    MonkeyPlatform(uint32_t seed, int32_t idleTurnsPerTick);
    ~MonkeyPlatform();
    MonkeyPlatform(const MonkeyPlatform&) = delete;
    MonkeyPlatform& operator=(const MonkeyPlatform&) = delete;

    // Called at the start of every pass, before the pass reads anything.
    std::function<void()> onPass;
    // Esc is held from the first pass at which this returns true.
    std::function<bool()> stopWanted;

    // A new game: Esc released, no button down.
    void startGame();

    int64_t passes() const { return passCount; }
    int64_t presses() const { return pressCount; }
    int64_t shots() const { return shotCount; }

  private:
    static MonkeyPlatform* active;
    Platform previous;
    std::mt19937 random;
    int32_t idlesPerTick;
    int64_t idleCount = 0;
    int64_t idlesThisPass = 0;
    int64_t passCount = 0;
    int64_t pressCount = 0;
    int64_t shotCount = 0;
    int32_t x = 0;
    int32_t y = 0;
    int32_t buttons = 0;
    bool buttonsCleared = false;
    bool stopping = false;
    // The first pointer read after Esc was looked at begins a pass; the panel
    // reads the pointer again inside every frame.
    bool passBegins = true;

    int32_t below(int32_t n) { return static_cast<int32_t>(random() % static_cast<uint32_t>(n)); }
    void pointAtCell(int32_t cellX, int32_t cellY);
    void pointAtLivingEnemy();
    void pointAtExit();
    void pointOffTheMap();
    void choose();

    static Platform table();
    static int32_t mouseX();
    static int32_t mouseY();
    static int32_t mouseButtons();
    static void clearMouseButtons();
    static bool escDown();
    static bool keyPressed();
    static void idle();
    static void playShot(int32_t sample);
};
