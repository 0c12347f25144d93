// The weapons: what each one does, and how a unit takes one up.
#pragma once

#include <cstdint>

struct Unit;

struct Weapon {
    int32_t damageMax;
    int32_t longRange;
    int32_t shortRange;
};

// The kinds a stats file entry may name; kind 0 is the squad's own rifle.
constexpr Weapon WEAPON_KINDS[] = {{4, 10, 6}, {8, 8, 4}, {6, 15, 8}};
constexpr int32_t WEAPON_KIND_COUNT = sizeof(WEAPON_KINDS) / sizeof(WEAPON_KINDS[0]);
constexpr Weapon SQUAD_WEAPON = WEAPON_KINDS[0];
constexpr Weapon ENEMY_WEAPON{7, 10, 5};
constexpr int32_t WEAPON_SOUND_COUNT = 3;

// The weapon of a stats file kind, or null for a kind that names none.
const Weapon* weaponOfKind(int32_t kind);

// Sets the unit's weapon values and draws its shot sound.
void arm(Unit& unit, const Weapon& weapon);
