// The platform table: the game's two tables leave no entry out, and installing
// any table connects the subsystems' up-calls to it.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "combat/shot.h"
#include "draw/frame.h"
#include "shell/new_game.h"
#include "shell/platform.h"
#include "shell/platform_allegro.h"
#include "support/scripted_platform.h"
#include "support/test_bitmaps.h"
#include "support/test_floor.h"
#include "world/settings.h"

namespace {
using Entry = void (*)();
static_assert(sizeof(Platform) % sizeof(Entry) == 0, "the table holds entries only");

// An entry left out of a table would be a call through null.
int32_t unsetEntries(const Platform& table) {
    int32_t unset = 0;
    const auto* bytes = reinterpret_cast<const unsigned char*>(&table);
    for (size_t at = 0; at < sizeof table; at += sizeof(Entry)) {
        Entry entry = nullptr;
        std::memcpy(&entry, bytes + at, sizeof entry);
        unset += entry == nullptr;
    }
    return unset;
}
} // namespace

TEST(PlatformTable, NoEntryOfTheNullOrTheLibraryTableIsLeftOut) {
    EXPECT_EQ(unsetEntries(nullPlatform()), 0);
    EXPECT_EQ(unsetEntries(allegroPlatform()), 0);
}

TEST(PlatformTable, AnInstalledTableHearsTheShotsAndGetsTheFrames) {
    createTestPictures();
    panelWidth = 160;
    bandHeight = 0;
    buildFloor({"....", "....", "....", "...."});
    const int32_t soldier = addUnit(SIDE_SQUAD, 0, 0);
    const int32_t guard = addUnit(SIDE_ENEMY, 3, 3);
    setShotSoundPlayer(nullptr);
    setFramePresenter(nullptr);
    setPointerReader(nullptr);
    {
        ScriptedPlatform play;
        fireShot(units[soldier], units[guard]);
        drawFrame(0, 0);
        EXPECT_EQ(play.soundsPlayed, std::vector<int32_t>{units[soldier].weaponSound});
        EXPECT_EQ(play.presents(), 1);
    }
    resetForNewGame(1);
    releaseFloorArrays();
}
