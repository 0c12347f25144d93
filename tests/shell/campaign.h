// A run directory made for one test: the mission list, map files and squad
// statistics of a few floors, entered as the working directory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct BITMAP;

struct FloorFile {
    std::vector<std::string> rows; // '.' floor, 'c' cover, '#' wall, 'E' exit
    int32_t unitCount = 1;
    int32_t squadSize = 1;
    int32_t medkitCount = 0;
    bool mapMissing = false; // listed, but no file
};

class Campaign {
  public:
    explicit Campaign(const std::vector<FloorFile>& floors);
    ~Campaign(); // back to the directory it came from
    Campaign(const Campaign&) = delete;
    Campaign& operator=(const Campaign&) = delete;

    // The game as start-up leaves it: a fresh random state and floor 1 loaded.
    static bool start();

  private:
    std::string previous;
    std::string root;
};

// True when the frame is the floor transition's notice and nothing else.
bool showsTransition(BITMAP* frame);
