// A platform table that plays like a monkey: at every pass of the turn loop it
// moves the pointer and presses at random (cells, enemies, the exit, the panel
// and band, both buttons), and every few idle turns it ticks the timer on the
// calling thread, so a run depends only on its seed.
#pragma once

#include <cstdint>
#include <functional>
#include <random>
#include <stdexcept>

#include "shell/stand_in_player.h"

struct GameStuck : std::runtime_error {
    GameStuck() : std::runtime_error("the game went on without asking for the pointer") {}
};

class MonkeyPlatform : public StandInPlayer {
  public:
    // Becomes the platform table; the destructor puts the old one back.
    MonkeyPlatform(uint32_t seed, int32_t idleTurnsPerTick);

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

    int32_t pointerX() override;
    int32_t pointerY() override { return y; }
    int32_t buttonsDown() override { return buttonsCleared ? 0 : buttons; }
    void releaseButtons() override { buttonsCleared = true; }
    bool escHeld() override;
    bool keyWaiting() override { return true; }
    void idleTurn() override;
    void shotHeard(int32_t) override { ++shotCount; }
};
