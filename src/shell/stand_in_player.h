// A program in the player's seat: it becomes the platform table while it
// lives and puts the one before it back when it goes. The scripted tests, the
// monkey of the soak test and the playtest bot are stand-ins; each says only
// what its hand and its clock do, the rest of the machine is the null one.
#pragma once

#include <cstdint>

#include "shell/platform.h"

struct BITMAP;

class StandInPlayer {
  public:
    StandInPlayer();
    virtual ~StandInPlayer();
    StandInPlayer(const StandInPlayer&) = delete;
    StandInPlayer& operator=(const StandInPlayer&) = delete;

  protected:
    virtual int32_t pointerX() = 0; // the turn loop reads the pointer, x first
    virtual int32_t pointerY() = 0;
    virtual int32_t buttonsDown() = 0;
    virtual void releaseButtons() {}    // the library's mouse_b = 0
    virtual bool escHeld() = 0;
    virtual bool keyWaiting() { return false; }
    virtual void dropKeys() {}
    virtual void idleTurn() = 0;        // one turn of a wait: the clock goes on here
    virtual void shown(BITMAP*) {}
    virtual void shotHeard(int32_t) {}

  private:
    static StandInPlayer* seated;
    Platform previous;

    static Platform table();
};
