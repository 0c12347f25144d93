// Rolls a floor's units and reads the squad's fixed statistics.
#pragma once

#include <cstdint>

struct Unit;

struct Weapon {
    int32_t damageMax;
    int32_t longRange;
    int32_t shortRange;
};

// The squad's rifle is also weapon kind 0 of the stats file.
constexpr Weapon SQUAD_WEAPON{4, 10, 6};
constexpr Weapon ENEMY_WEAPON{7, 10, 5};
constexpr int32_t SQUAD_HEALTH = 20;
constexpr int32_t ENEMY_HEALTH = 9;
constexpr int32_t WEAPON_SOUND_COUNT = 3;
// The squad starts in this column, rows 1 to squadSize.
constexpr int32_t SQUAD_START_COLUMN = 1;

constexpr const char* SQUAD_STATS_PATH = ".//stats.txt";

// Fills count records for a map of the given side length, the squad first;
// sets turnOrder to the identity, shotTimer to 0 and starts the first round.
void generateUnits(int32_t count, Unit units[], int32_t squadSize, int32_t sideLength);
// Applies the four stats-file entries to the squad slots that exist on this
// floor; false when the file cannot be opened.
bool readSquadStats(const char* path, Unit slots[]);

// A patrol point may lie on any cell but a wall or the exit.
bool canHoldPatrolPoint(int32_t code);
