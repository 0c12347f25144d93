#include "campaign.h"

#include <allegro.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "shell/new_game.h"
#include "world/cell_table.h"
#include "world/floor_loading.h"
#include "world/game_state.h"
#include "world/random.h"

namespace {
// Start marks and anything else are floor.
int32_t codeFor(char c) {
    const int32_t code = cellCodeOf(c);
    return code < 0 ? CELL_FLOOR : code;
}

void putInt(std::ofstream& out, int32_t v) {
    const unsigned char bytes[4] = {
        static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
        static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
    out.write(reinterpret_cast<const char*>(bytes), 4);
}

// Width, height, then the cells column by column.
void writeMap(const std::string& path, const std::vector<std::string>& rows) {
    std::ofstream out(path, std::ios::binary);
    const int32_t side = static_cast<int32_t>(rows.size());
    putInt(out, side);
    putInt(out, side);
    for (int32_t x = 0; x < side; ++x)
        for (int32_t y = 0; y < side; ++y)
            putInt(out, codeFor(rows[y][x]));
}
} // namespace

Campaign::Campaign(const std::vector<FloorFile>& floors) {
    static int made = 0;
    previous = std::filesystem::current_path().string();
    root =
        testing::TempDir() + "campaign_" + std::to_string(getpid()) + "_" + std::to_string(++made);
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root + "/Data/Missions");
    std::filesystem::current_path(root);

    std::ofstream missions("Data/Missions/Mission.dat");
    missions << floors.size() << "\n";
    for (size_t i = 0; i < floors.size(); ++i) {
        const std::string map = ".//Data//Missions//floor" + std::to_string(i + 1) + ".map";
        missions << "map " << map << "\nunits " << floors[i].unitCount << "\nsquad "
                 << floors[i].squadSize << "\nmedkits " << floors[i].medkitCount << "\n";
        if (!floors[i].mapMissing)
            writeMap(map, floors[i].rows);
    }
    std::ofstream stats("stats.txt");
    for (int i = 0; i < 4; ++i)
        stats << "7 7 7 7 0\n";
}

Campaign::~Campaign() {
    std::filesystem::current_path(previous);
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
}

bool Campaign::start() {
    setRandomState(1);
    resetForNewGame(1);
    return loadFloor(floorNumber);
}

bool showsTransition(BITMAP* frame) {
    static BITMAP* expected = nullptr;
    if (!expected) {
        expected = create_bitmap(640, 480);
        clear_bitmap(expected);
        textout_centre_ex(expected, font, "Entering Next Floor ...", 320, 240,
                          makecol(255, 255, 255), -1);
    }
    // The text rows whole, and a sparse grid everywhere else.
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; x += (y >= 236 && y < 252) ? 1 : 7)
            if (getpixel(frame, x, y) != getpixel(expected, x, y))
                return false;
    return true;
}
