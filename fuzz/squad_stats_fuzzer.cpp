// The squad stats file read onto freshly generated units, as a floor load
// does. The file may change only the squad's statistics and weapons, only on
// slots that exist, and draws one weapon sound per entry of a known kind. That
// the numbers are those the C library's "%i" reads is scanf_differential's to
// check.
//
// Input: the squad size and the number of enemies (one byte each), then the file.
#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "support/game_state_snapshot.h"
#include "scratch_directory.h"
#include "world/game_state.h"
#include "world/random.h"
#include "world/squad_stats.h"
#include "world/unit_generation.h"
#include "world/weapons.h"

namespace {
constexpr size_t HEADER_BYTES = 2;
constexpr int32_t ENTRIES = 4;
constexpr int32_t VALUES_PER_ENTRY = 5;
constexpr Weapon KINDS[] = {{4, 10, 6}, {8, 8, 4}, {6, 15, 8}};
constexpr int32_t SIDE = 12;

void makeFloor(int32_t squad, int32_t enemies) {
    mapWidth = mapHeight = SIDE;
    mapCells.assign(SIDE * SIDE, CELL_FLOOR);
    occupancy.assign(SIDE * SIDE, 0);
    squadSize = squad;
    unitCount = squad + enemies;
    // Exactly as many records as the floor has, so a write past them is caught.
    units = std::vector<Unit>(unitCount);
    turnOrder = std::vector<int32_t>(unitCount);
    generateUnits(unitCount, units.data(), squadSize, mapWidth);
}

// Fields the file may change: the four statistics and the weapon.
Unit withoutStatsFields(Unit u) {
    u.speed = u.dodge = u.accuracy = u.strength = 0;
    u.damageMax = u.longRange = u.shortRange = u.weaponSound = 0;
    return u;
}

bool sameWeapon(const Unit& u, const Weapon& w) {
    return u.damageMax == w.damageMax && u.longRange == w.longRange && u.shortRange == w.shortRange;
}

// The number of draws between two generator states, up to a limit; -1 beyond.
int32_t drawsBetween(uint32_t from, uint32_t to, int32_t limit) {
    for (int32_t draws = 0; draws <= limit; ++draws) {
        if (from == to)
            return draws;
        from = from * 214013u + 2531011u;
    }
    return -1;
}

// A second reading for files of plain decimal numbers only, so the common
// case is checked against something other than the reader itself.
bool plainDecimalValues(const std::string& text, std::vector<long>& values) {
    std::istringstream words(text);
    std::string word;
    while (words >> word) {
        if (word.size() > 9)
            return false;
        size_t start = word[0] == '-' ? 1 : 0;
        if (start == word.size() ||
            word.find_first_not_of("0123456789", start) != std::string::npos)
            return false;
        if (word.size() - start > 1 && word[start] == '0')
            return false; // octal
        values.push_back(std::stol(word));
    }
    return values.size() >= static_cast<size_t>(ENTRIES * VALUES_PER_ENTRY);
}

void checkPlainFile(const std::string& text, const std::vector<Unit>& before, int32_t slots,
                    int32_t draws) {
    std::vector<long> v;
    if (!plainDecimalValues(text, v))
        return;
    int32_t knownKinds = 0;
    for (int32_t s = 0; s < ENTRIES; ++s)
        knownKinds += v[static_cast<size_t>(s) * VALUES_PER_ENTRY + 4] >= 0 &&
                      v[static_cast<size_t>(s) * VALUES_PER_ENTRY + 4] < 3;
    requireThat(draws == knownKinds, "one sound draw per entry of a known kind");
    for (int32_t s = 0; s < slots; ++s) {
        const long* e = &v[static_cast<size_t>(s) * VALUES_PER_ENTRY];
        const Unit& u = units[s];
        requireThat(u.speed == e[0] && u.dodge == e[1] && u.accuracy == e[2] && u.strength == e[3],
                    "slot " + std::to_string(s) + " does not hold the file's statistics");
        const bool known = e[4] >= 0 && e[4] < 3;
        requireThat(sameWeapon(u, known ? KINDS[e[4]]
                                        : Weapon{before[s].damageMax, before[s].longRange,
                                                 before[s].shortRange}),
                    "slot " + std::to_string(s) + " has the wrong weapon");
    }
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    enterScratchDirectory();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < HEADER_BYTES)
        return -1;
    setRandomState(1);
    makeFloor(data[0] % (SQUAD_MAX + 1), data[1] % 4);
    const std::string text(reinterpret_cast<const char*>(data + HEADER_BYTES), size - HEADER_BYTES);
    writeFile(".//stats.txt", text);

    const GameStateSnapshot before = takeGameState();
    requireThat(readSquadStats(".//stats.txt", units.data()), "the stats file does not open");
    GameStateSnapshot after = takeGameState();

    const int32_t slots = squadSize;
    const int32_t draws = drawsBetween(before.counters.back(), after.counters.back(), ENTRIES);
    requireThat(draws >= 0, "more than one sound draw per entry");
    for (int32_t i = 0; i < unitCount; ++i) {
        const Unit& u = units[i];
        const Unit& was = before.units[i];
        if (i >= slots) {
            requireThat(sameUnit(u, was), "record " + std::to_string(i) + " is no squad slot");
            continue;
        }
        requireThat(sameUnit(withoutStatsFields(u), withoutStatsFields(was)),
                    "slot " + std::to_string(i) + " changed beyond its statistics and weapon");
        const bool kept = sameWeapon(u, Weapon{was.damageMax, was.longRange, was.shortRange}) &&
                          u.weaponSound == was.weaponSound;
        bool listed = false;
        for (const Weapon& w : KINDS)
            listed = listed || sameWeapon(u, w);
        requireThat(kept || (listed && u.weaponSound >= 0 && u.weaponSound < WEAPON_SOUND_COUNT),
                    "slot " + std::to_string(i) + " has a weapon of no kind");
    }
    checkPlainFile(text, before.units, slots, draws);

    // Apart from the records and the draws, nothing else moved.
    after.units = before.units;
    after.counters.back() = before.counters.back();
    const std::string changed = gameStateDifference(before, after);
    requireThat(changed.empty(), "the stats file changed " + changed);
    return 0;
}
