#include "shell/display_fit.h"

#include <algorithm>

#include "world/settings.h"

namespace {
// A window may take up to 90 % of the desktop each way.
constexpr int64_t ROOM_PERCENT = 90;

bool windowFits(int32_t scale, int32_t desktopWidth, int32_t desktopHeight) {
    return int64_t{SCREEN_WIDTH} * scale * 100 <= int64_t{desktopWidth} * ROOM_PERCENT &&
           int64_t{SCREEN_HEIGHT} * scale * 100 <= int64_t{desktopHeight} * ROOM_PERCENT;
}

int32_t wholeScreenScale(int32_t width, int32_t height) {
    return std::clamp(std::min(width / SCREEN_WIDTH, height / SCREEN_HEIGHT), 1, LARGEST_SCALE);
}

int32_t back(int32_t screen, int32_t origin, int32_t scale, int32_t size) {
    const int32_t pixel = screen >= origin ? (screen - origin) / scale : -1;
    return std::clamp(pixel, 0, size - 1);
}
} // namespace

int32_t windowScale(int32_t desktopWidth, int32_t desktopHeight) {
    int32_t scale = LARGEST_SCALE;
    while (scale > 1 && !windowFits(scale, desktopWidth, desktopHeight))
        --scale;
    return scale;
}

FramePlacement placeFrame(const DisplayOptions& options, int32_t desktopWidth,
                          int32_t desktopHeight) {
    if (desktopWidth <= 0 || desktopHeight <= 0) {
        desktopWidth = SCREEN_WIDTH;
        desktopHeight = SCREEN_HEIGHT;
    }
    if (!options.fullScreen) {
        const int32_t scale = options.scale != FITTING_SCALE
                                  ? options.scale
                                  : windowScale(desktopWidth, desktopHeight);
        return FramePlacement{SCREEN_WIDTH * scale, SCREEN_HEIGHT * scale, scale, 0, 0};
    }
    // A desktop smaller than the frame gets the frame's own mode, as before.
    const int32_t width = std::max(desktopWidth, SCREEN_WIDTH);
    const int32_t height = std::max(desktopHeight, SCREEN_HEIGHT);
    int32_t scale = wholeScreenScale(width, height);
    if (options.scale != FITTING_SCALE)
        scale = std::min(scale, options.scale);
    return FramePlacement{width, height, scale, (width - SCREEN_WIDTH * scale) / 2,
                          (height - SCREEN_HEIGHT * scale) / 2};
}

int32_t frameX(const FramePlacement& placement, int32_t screenX) {
    return back(screenX, placement.left, placement.scale, SCREEN_WIDTH);
}

int32_t frameY(const FramePlacement& placement, int32_t screenY) {
    return back(screenY, placement.top, placement.scale, SCREEN_HEIGHT);
}
