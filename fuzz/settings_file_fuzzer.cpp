// init.txt read as start-up reads it and stored in the seven settings. Each
// setting holds its record's value when that record and all before it are
// whole, and 0 otherwise, whatever the previous values were; nothing else moves.
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "support/game_state_snapshot.h"
#include "scratch_directory.h"
#include "world/settings.h"
#include "world/settings_file.h"

namespace {
constexpr const char* SETTINGS_PATH = "init.txt";
constexpr int32_t STALE = 0x5A5A5A5A;
constexpr int32_t COLOUR_RECORD = 6;

int32_t colourCalls = 0;

// Stands in for makecol: keeps the components apart so they can be checked.
int fakeColour(int red, int green, int blue) {
    ++colourCalls;
    requireThat(red >= 0 && red <= 255 && green >= 0 && green <= 255 && blue >= 0 && blue <= 255,
                "a colour component outside 0-255 reached the library");
    return red << 16 | green << 8 | blue;
}

void makeSettingsStale() {
    bandHeight = panelWidth = rosterTop = rosterRowHeight = tickMs = STALE;
    highlightColor = shotShowTicks = STALE;
}

int32_t expected(const SettingsRecords& r, int32_t record, int32_t value) {
    return r.wholeRecords >= record ? value : 0;
}

void checkStored(const SettingsRecords& r) {
    requireThat(r.wholeRecords >= 0 && r.wholeRecords <= SETTINGS_RECORD_COUNT, "wholeRecords");
    requireThat(bandHeight == expected(r, 1, r.bandHeight), "bandHeight");
    requireThat(panelWidth == expected(r, 2, r.panelWidth), "panelWidth");
    requireThat(rosterTop == expected(r, 3, r.rosterTop), "rosterTop");
    requireThat(rosterRowHeight == expected(r, 4, r.rosterRowHeight), "rosterRowHeight");
    requireThat(tickMs == expected(r, 5, r.tickMs), "tickMs");
    requireThat(shotShowTicks == expected(r, 7, r.shotShowTicks), "shotShowTicks");
    requireThat((colourCalls == 1) == (r.wholeRecords >= COLOUR_RECORD), "makecol calls");
    if (r.wholeRecords < COLOUR_RECORD)
        requireThat(highlightColor == 0 && r.red == 0 && r.green == 0 && r.blue == 0,
                    "a colour from a broken record");
    requireThat(timerIntervalMs(tickMs) > 0, "a timer interval the library cannot run");
}

// Whole records written out plainly read back the same.
void checkRoundTrip(const SettingsRecords& r) {
    if (r.wholeRecords < SETTINGS_RECORD_COUNT)
        return;
    auto n = [](int32_t v) { return " " + std::to_string(v) + "\n"; };
    writeFile(SETTINGS_PATH, "a" + n(r.bandHeight) + "b" + n(r.panelWidth) + "c" + n(r.rosterTop) +
                                 "d" + n(r.rosterRowHeight) + "e" + n(r.tickMs) + "f " +
                                 std::to_string(r.red) + " " + std::to_string(r.green) + n(r.blue) +
                                 "g" + n(r.shotShowTicks));
    SettingsRecords again;
    requireThat(parseSettingsFile(SETTINGS_PATH, again), "reopen");
    requireThat(again.wholeRecords == SETTINGS_RECORD_COUNT && again.bandHeight == r.bandHeight &&
                    again.panelWidth == r.panelWidth && again.rosterTop == r.rosterTop &&
                    again.rosterRowHeight == r.rosterRowHeight && again.tickMs == r.tickMs &&
                    again.red == r.red && again.green == r.green && again.blue == r.blue &&
                    again.shotShowTicks == r.shotShowTicks,
                "the settings do not read back as written");
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    enterScratchDirectory();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    writeFile(SETTINGS_PATH, data, size);
    makeSettingsStale();
    const GameStateSnapshot before = takeGameState();

    SettingsRecords records;
    requireThat(parseSettingsFile(SETTINGS_PATH, records), "init.txt does not open");
    colourCalls = 0;
    applySettings(records, fakeColour);
    checkStored(records);

    // Only the seven settings may differ.
    makeSettingsStale();
    const std::string changed = gameStateDifference(before, takeGameState());
    requireThat(changed.empty(), "reading the settings changed " + changed);
    checkRoundTrip(records);
    return 0;
}
