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

// A value that is missing or cannot be read leaves the field as it was.
void readValue(std::FILE* file, int32_t& field) {
    std::string word;
    int32_t value;
    if (readWord(file, WORD_LENGTH_MAX, word) == WordRead::OK && parseInteger(word, value))
        field = value;
}

struct StatsEntry {
    int32_t speed;
    int32_t dodge;
    int32_t accuracy;
    int32_t strength;
    int32_t weaponKind;
};

// Starts from the unit's own values so that unread fields stay as generated.
StatsEntry readEntry(std::FILE* file, const Unit& current) {
    StatsEntry entry{current.speed, current.dodge, current.accuracy, current.strength, -1};
    readValue(file, entry.speed);
    readValue(file, entry.dodge);
    readValue(file, entry.accuracy);
    readValue(file, entry.strength);
    readValue(file, entry.weaponKind);
    return entry;
}

void applyEntry(const StatsEntry& entry, Unit& unit) {
    unit.speed = entry.speed;
    unit.dodge = entry.dodge;
    unit.accuracy = entry.accuracy;
    unit.strength = entry.strength;
}
} // namespace

bool readSquadStats(const char* path, Unit units[]) {
    std::FILE* file = std::fopen(path, "r");
    if (!file)
        return false;
    const int32_t slotsOnFloor = std::min(squadSize, unitCount);
    for (int32_t slot = 0; slot < STATS_ENTRIES; ++slot) {
        const bool applies = slot < slotsOnFloor;
        const StatsEntry entry = readEntry(file, applies ? units[slot] : Unit{});
        if (applies)
            applyEntry(entry, units[slot]);
        if (entry.weaponKind < 0 || entry.weaponKind >= WEAPON_KIND_COUNT)
            continue;
        // Drawn even for a slot nobody fills, so the sequence stays the same
        // whatever the size of the squad.
        const int32_t sound = gameRand() % WEAPON_SOUND_COUNT;
        if (!applies)
            continue;
        const Weapon& weapon = WEAPON_KINDS[entry.weaponKind];
        units[slot].damageMax = weapon.damageMax;
        units[slot].longRange = weapon.longRange;
        units[slot].shortRange = weapon.shortRange;
        units[slot].weaponSound = sound;
    }
    std::fclose(file);
    return true;
}
