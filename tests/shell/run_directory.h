// A throw-away working directory holding every file the game reads, all made
// here from nothing: one-colour pictures, a one-floor mission with a small
// map, the settings, the squad's statistics and two short texts.
#pragma once

#include <string>

#include "virtual_display.h"

// The colour of the title picture, the first one the game shows.
constexpr Rgb TITLE_COLOUR{0, 128, 248};

class RunDirectory {
  public:
    RunDirectory();
    ~RunDirectory();
    RunDirectory(const RunDirectory&) = delete;
    RunDirectory& operator=(const RunDirectory&) = delete;

    const std::string& path() const { return root; }
    std::string file(const std::string& relative) const { return root + "/" + relative; }
    void write(const std::string& relative, const std::string& text) const;
    // One of the fourteen pictures, named without folder and extension, at a size.
    void writePicture(const std::string& name, int width, int height) const;
    void remove(const std::string& relative) const;

  private:
    std::string root;
};
