#include "world/settings_file.h"

#include <algorithm>
#include <cstdint>

#include "world/settings.h"
#include "world/text_tokens.h"

namespace {
using Field = int32_t SettingsRecords::*;
constexpr int32_t NUMBERS_MAX = 3;

struct RecordShape {
    Field fields[NUMBERS_MAX];
    int32_t count;
};

// The seven records in file order; the colour is the only one of three numbers.
constexpr RecordShape RECORD_SHAPES[SETTINGS_RECORD_COUNT] = {
    {{&SettingsRecords::bandHeight}, 1},
    {{&SettingsRecords::panelWidth}, 1},
    {{&SettingsRecords::rosterTop}, 1},
    {{&SettingsRecords::rosterRowHeight}, 1},
    {{&SettingsRecords::tickMs}, 1},
    {{&SettingsRecords::red, &SettingsRecords::green, &SettingsRecords::blue}, 3},
    {{&SettingsRecords::shotShowTicks}, 1},
};
constexpr int32_t COLOUR_RECORDS_NEEDED = 6;
constexpr int32_t COMPONENT_MAX = 255;

// Labels are skipped whole, however long. Numbers are read as "%i" reads
// them, so what follows a number in its word is the next record's label.
bool readRecord(std::FILE* in, const RecordShape& shape, SettingsRecords& into) {
    int32_t numbers[NUMBERS_MAX] = {};
    if (!skipWord(in))
        return false;
    for (int32_t i = 0; i < shape.count; ++i)
        if (!scanNumber(in, numbers[i]))
            return false;
    for (int32_t i = 0; i < shape.count; ++i)
        into.*shape.fields[i] = numbers[i];
    return true;
}

int32_t component(int32_t value) {
    return std::clamp(value, 0, COMPONENT_MAX);
}
} // namespace

SettingsRecords parseSettings(std::FILE* in) {
    SettingsRecords records;
    for (const RecordShape& shape : RECORD_SHAPES) {
        if (!readRecord(in, shape, records))
            break;
        ++records.wholeRecords;
    }
    return records;
}

bool parseSettingsFile(const char* path, SettingsRecords& out) {
    out = SettingsRecords{};
    std::FILE* in = std::fopen(path, "rb");
    if (!in)
        return false;
    out = parseSettings(in);
    std::fclose(in);
    return true;
}

void applySettings(const SettingsRecords& records, ColourMaker makeColour) {
    bandHeight = records.bandHeight;
    panelWidth = records.panelWidth;
    rosterTop = records.rosterTop;
    rosterRowHeight = records.rosterRowHeight;
    tickMs = records.tickMs;
    highlightColor =
        records.wholeRecords >= COLOUR_RECORDS_NEEDED
            ? makeColour(component(records.red), component(records.green), component(records.blue))
            : 0;
    shotShowTicks = records.shotShowTicks;
}

int32_t timerIntervalMs(int32_t setting) {
    return setting > 0 ? std::min(setting, LONGEST_TICK_MS) : DEFAULT_TICK_MS;
}
