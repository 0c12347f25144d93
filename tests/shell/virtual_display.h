// A private X server for running the real game binaries: Xvfb on a display
// number it picks itself, plus the few questions the tests ask of it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "child_process.h"

struct Rgb {
    int32_t red;
    int32_t green;
    int32_t blue;
    bool operator==(const Rgb& o) const { return red == o.red && green == o.green && blue == o.blue; }
};

class VirtualDisplay {
  public:
    // Throws when no server comes up; the geometry is Xvfb's "WxHxDEPTH".
    explicit VirtualDisplay(const std::string& geometry = "1024x768x24");
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    const std::string& name() const { return displayName; } // ":N"

    // A viewable top-level window with exactly this title; 0 when there is none.
    unsigned long findWindow(const std::string& title);
    // A viewable window of exactly this size at any depth; 0 when there is none.
    // The library's full-screen mode shows its picture in an untitled child.
    unsigned long findWindowSized(int32_t width, int32_t height);
    // The colour shown at (x, y) of the screen.
    Rgb pixel(int32_t x, int32_t y);
    // The colours of a rectangle of the screen, row by row.
    std::vector<Rgb> image(int32_t x, int32_t y, int32_t width, int32_t height);
    // Where a window's top-left pixel is on the screen.
    void windowOrigin(unsigned long window, int32_t& x, int32_t& y);

    // What a window manager sends when the window's close box is pressed.
    void pressCloseBox(unsigned long window);
    // The server goes away under its clients, as at the end of a desktop session.
    // Nothing else may be asked of the display afterwards.
    void loseServer();

    // From now on, remembers whether any top-level window gets mapped.
    void watchMappings();
    bool sawMapping();

  private:
    std::unique_ptr<ChildProcess> server;
    std::string displayName;
    struct Connection;
    std::unique_ptr<Connection> connection;
};
