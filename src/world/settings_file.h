// init.txt as plain numbers: seven label-and-value records, the sixth a
// colour of three numbers. Parsing needs no library, so it can be tested
// without a screen; applying converts the colour for the current mode.
#pragma once

#include <cstdint>
#include <cstdio>

constexpr int32_t SETTINGS_RECORD_COUNT = 7;
// The interval used when init.txt gives none that the timer can run at.
constexpr int32_t DEFAULT_TICK_MS = 100;
// The library counts 1193 of its units to the millisecond in a long, which has
// 32 bits on some systems: about half an hour, longer than anyone waits anyway.
constexpr int32_t TIMER_UNITS_PER_MS = 1193;
constexpr int32_t LONGEST_TICK_MS = INT32_MAX / TIMER_UNITS_PER_MS;

// Every value is 0 unless its record, and every record before it, was whole.
struct SettingsRecords {
    int32_t bandHeight = 0;
    int32_t panelWidth = 0;
    int32_t rosterTop = 0;
    int32_t rosterRowHeight = 0;
    int32_t tickMs = 0;
    int32_t red = 0;
    int32_t green = 0;
    int32_t blue = 0;
    int32_t shotShowTicks = 0;
    int32_t wholeRecords = 0; // records read before the first bad one
};

// Reads up to seven records; stops at the first that is not a label word
// followed by its numbers. Numbers are read as C's "%i" reads them, so "7x"
// gives 7 and leaves "x" as the next label. The label is skipped whole,
// however long, so no word can overrun a buffer.
SettingsRecords parseSettings(std::FILE* in);
// False when the file cannot be opened; then every value is 0.
bool parseSettingsFile(const char* path, SettingsRecords& out);

// The pixel value of a colour in the current graphics mode (makecol).
using ColourMaker = int (*)(int red, int green, int blue);
// Stores the records in the seven settings; components outside 0-255 are clamped.
void applySettings(const SettingsRecords& records, ColourMaker makeColour);

// The timer interval to install for a tickMs setting.
int32_t timerIntervalMs(int32_t tickMs);
