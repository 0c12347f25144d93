#include "floor_picture.h"

#include <allegro.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "draw/cell_geometry.h"
#include "draw/frame.h"
#include "draw/map_background.h"
#include "draw/pictures.h"
#include "png_file.h"
#include "shell/platform_allegro.h"
#include "shell/startup.h"
#include "world/floor_loading.h"
#include "world/game_state.h"
#include "world/settings.h"

namespace fs = std::filesystem;

namespace {
constexpr int FRAME_DEPTH = 16;
// In the panel: the pointer's picture stays out of the map area.
constexpr int32_t POINTER_X = 0;
constexpr int32_t POINTER_Y = 0;

// The cells' area, with the one pixel by which tiles sit in from their origin.
RgbPicture mapArea(BITMAP* frame) {
    RgbPicture picture;
    // A floor the checks passed lies on the screen, so these fit 32 bits.
    const int32_t left = static_cast<int32_t>(cellLeft(0));
    const int32_t top = static_cast<int32_t>(cellTop(0));
    picture.width = static_cast<int32_t>(std::min<int64_t>(cellLeft(mapWidth) + 1, frame->w) - left);
    picture.height = static_cast<int32_t>(std::min<int64_t>(cellTop(mapHeight) + 1, frame->h) - top);
    picture.rgb.reserve(static_cast<size_t>(picture.width) * picture.height * 3);
    for (int32_t y = top; y < top + picture.height; ++y)
        for (int32_t x = left; x < left + picture.width; ++x) {
            const int pixel = getpixel(frame, x, y);
            picture.rgb.push_back(static_cast<uint8_t>(getr16(pixel)));
            picture.rgb.push_back(static_cast<uint8_t>(getg16(pixel)));
            picture.rgb.push_back(static_cast<uint8_t>(getb16(pixel)));
        }
    return picture;
}

bool drawFirstFrame(std::string& why) {
    backBuffer = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
    // No screen, no input: of the machine only its picture files.
    Platform files = nullPlatform();
    files.loadPicture = allegroPlatform().loadPicture;
    installPlatform(files);
    if (!backBuffer || !loadPictures()) {
        why = "the pictures in Data/Images cannot all be loaded";
        return false;
    }
    readSettings("init.txt");
    setMapRedrawHook(drawMapBackground);
    setFramePresenter(nullptr);
    floorNumber = 1;
    if (!loadFloor(floorNumber)) {
        why = floorLoadError().empty() ? "the run directory lists no floor" : floorLoadError();
        return false;
    }
    paintFrame(POINTER_X, POINTER_Y);
    return true;
}
} // namespace

bool drawFloorPicture(const std::string& gameDir, const std::string& pngPath, std::string& why) {
    const fs::path out = fs::absolute(pngPath);
    std::error_code ec;
    const fs::path before = fs::current_path();
    fs::current_path(gameDir, ec);
    if (ec) {
        why = gameDir + " cannot be entered";
        return false;
    }
    if (install_allegro(SYSTEM_NONE, &errno, std::atexit) != 0) {
        why = "the library does not start";
        return false;
    }
    set_color_depth(FRAME_DEPTH);
    bool ok = drawFirstFrame(why);
    if (ok && !(ok = writePng(out.string(), mapArea(backBuffer))))
        why = "cannot be written";
    shutdownGame();
    fs::current_path(before, ec);
    return ok;
}
