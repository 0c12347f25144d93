#include <algorithm>
#include <cstdio>
#include <string>

#include "world/game_state.h"
#include "world/random.h"
#include "world/text_tokens.h"
#include "world/unit_generation.h"

namespace {
constexpr Weapon WEAPON_KINDS[] = {SQUAD_WEAPON, {8, 8, 4}, {6, 15, 8}};
constexpr int32_t WEAPON_KIND_COUNT = sizeof(WEAPON_KINDS) / sizeof(WEAPON_KINDS[0]);
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
        const bool applies = slot < slotsOnFloor;
        const StatsEntry entry = readEntry(reader, applies ? slots[slot] : Unit{});
        if (applies)
            applyEntry(entry, slots[slot]);
        if (entry.weaponKind < 0 || entry.weaponKind >= WEAPON_KIND_COUNT)
            continue;
        // Drawn even for a slot nobody fills, so the sequence stays the same
        // whatever the size of the squad.
        const int32_t sound = gameRand() % WEAPON_SOUND_COUNT;
        if (!applies)
            continue;
        const Weapon& weapon = WEAPON_KINDS[entry.weaponKind];
        slots[slot].damageMax = weapon.damageMax;
        slots[slot].longRange = weapon.longRange;
        slots[slot].shortRange = weapon.shortRange;
        slots[slot].weaponSound = sound;
    }
    std::fclose(file);
    return true;
}
