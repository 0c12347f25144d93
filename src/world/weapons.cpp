#include "world/weapons.h"

#include "world/game_state.h"
#include "world/random.h"

const Weapon* weaponOfKind(int32_t kind) {
    return kind >= 0 && kind < WEAPON_KIND_COUNT ? &WEAPON_KINDS[kind] : nullptr;
}

void arm(Unit& unit, const Weapon& weapon) {
    unit.damageMax = weapon.damageMax;
    unit.longRange = weapon.longRange;
    unit.shortRange = weapon.shortRange;
    unit.weaponSound = gameRand() % WEAPON_SOUND_COUNT;
}
