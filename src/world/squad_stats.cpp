#include "world/squad_stats.h"

#include <algorithm>
#include <cstdio>
#include <initializer_list>

#include "world/game_state.h"
#include "world/text_tokens.h"
#include "world/weapons.h"

namespace {
constexpr int32_t STATS_ENTRIES = SQUAD_MAX;
constexpr int32_t NO_KIND = -1;

struct StatsEntry {
    int32_t speed;
    int32_t dodge;
    int32_t accuracy;
    int32_t strength;
    int32_t weaponKind;
};

// Every value is one "%i" conversion, whatever the one before made of the
// file: a value that does not convert keeps what it had (the unit's own, so
// unread fields stay as generated; no weapon for the kind), and the next
// starts where it stopped. So a letter stops every later value, while a lone
// sign spoils only its own.
StatsEntry readEntry(std::FILE* file, const Unit& current) {
    StatsEntry entry{current.speed, current.dodge, current.accuracy, current.strength, NO_KIND};
    for (int32_t* field : {&entry.speed, &entry.dodge, &entry.accuracy, &entry.strength,
                           &entry.weaponKind})
        scanNumber(file, *field);
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
    for (int32_t slot = 0; slot < STATS_ENTRIES; ++slot) {
        // An entry for a slot nobody fills still draws its sound, so the
        // sequence stays the same whatever the size of the squad.
        Unit unfilled{};
        Unit& unit = slot < slotsOnFloor ? slots[slot] : unfilled;
        const StatsEntry entry = readEntry(file, unit);
        applyEntry(entry, unit);
        if (const Weapon* weapon = weaponOfKind(entry.weaponKind))
            arm(unit, *weapon);
    }
    std::fclose(file);
    return true;
}
