#include "world/squad_stats.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "world/game_state.h"
#include "world/text_tokens.h"
#include "world/weapons.h"

namespace {
constexpr int32_t STATS_ENTRIES = SQUAD_MAX;

// Read as "%i" reads: the first word that is not wholly a number ends the
// reading of the file (a number at its start is still taken), and every field
// after it keeps its value.
struct StatsReader {
    std::FILE* file;
    bool reading = true;

    void value(int32_t& field) {
        if (!reading)
            return;
        int32_t number = 0;
        std::string word;
        const NumberRead read = readNumber(file, number, word);
        if (read == NumberRead::OK || read == NumberRead::CUT_SHORT)
            field = number;
        reading = read == NumberRead::OK;
    }
};

struct StatsEntry {
    int32_t speed;
    int32_t dodge;
    int32_t accuracy;
    int32_t strength;
    int32_t weaponKind;
};

// Starts from the unit's own values so that unread fields stay as generated.
StatsEntry readEntry(StatsReader& reader, const Unit& current) {
    StatsEntry entry{current.speed, current.dodge, current.accuracy, current.strength, -1};
    reader.value(entry.speed);
    reader.value(entry.dodge);
    reader.value(entry.accuracy);
    reader.value(entry.strength);
    reader.value(entry.weaponKind);
    return entry;
}

void applyEntry(const StatsEntry& entry, Unit& unit) {
    unit.speed = entry.speed;
    unit.dodge = entry.dodge;
    unit.accuracy = entry.accuracy;
    unit.strength = entry.strength;
}
} // namespace

bool readSquadStats(const char* path, Unit slots[]) {
    std::FILE* file = std::fopen(path, "r");
    if (!file)
        return false;
    const int32_t slotsOnFloor = std::min(squadSize, unitCount);
    StatsReader reader{file};
    for (int32_t slot = 0; slot < STATS_ENTRIES; ++slot) {
        // An entry for a slot nobody fills still draws its sound, so the
        // sequence stays the same whatever the size of the squad.
        Unit unfilled{};
        Unit& unit = slot < slotsOnFloor ? slots[slot] : unfilled;
        const StatsEntry entry = readEntry(reader, unit);
        applyEntry(entry, unit);
        if (const Weapon* weapon = weaponOfKind(entry.weaponKind))
            arm(unit, *weapon);
    }
    std::fclose(file);
    return true;
}
