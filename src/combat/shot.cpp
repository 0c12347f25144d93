#include "combat/shot.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "world/game_state.h"
#include "world/random.h"
#include "world/settings.h"
#include "world/weapons.h"

namespace {
constexpr int32_t PENALTY_PAST_SHORT_RANGE = 1;
constexpr int32_t PENALTY_PAST_LONG_RANGE = 3;

ShotSoundPlayer soundPlayer = nullptr;

// The stats file can supply 0 or less; such a stat counts as 1 so a roll never
// divides by zero.
int32_t rollBelow(int32_t ceiling) {
    return gameRand() % std::max(ceiling, 1);
}

int32_t rangePenalty(const Unit& shooter, float d) {
    if (d > static_cast<float>(shooter.longRange))
        return PENALTY_PAST_LONG_RANGE;
    if (d > static_cast<float>(shooter.shortRange))
        return PENALTY_PAST_SHORT_RANGE;
    return 0;
}

// The display keeps an index, not a reference: a floor load replaces the array.
int32_t unitIndexOf(const Unit& unit) {
    const Unit* first = units.data();
    const Unit* end = first + units.size();
    std::less<const Unit*> before;
    if (before(&unit, first) || !before(&unit, end))
        return NO_UNIT;
    return static_cast<int32_t>(&unit - first);
}

void playShotSound(int32_t weaponSound) {
    if (soundPlayer && weaponSound >= 0 && weaponSound < WEAPON_SOUND_COUNT)
        soundPlayer(weaponSound);
}
} // namespace

float distance(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    const int32_t dx = x1 - x0;
    const int32_t dy = y1 - y0;
    const int32_t squared = dx * dx + dy * dy;
    return static_cast<float>(std::sqrt(static_cast<double>(squared)));
}

bool rollHit(const Unit& shooter, const Unit& target) {
    const int32_t accuracyRoll = rollBelow(shooter.accuracy);
    const int32_t dodgeRoll = rollBelow(target.dodge);
    const float d = distance(shooter.x, shooter.y, target.x, target.y);
    return accuracyRoll - rangePenalty(shooter, d) >= dodgeRoll;
}

int32_t rollDamage(const Unit& shooter, const Unit&) {
    return rollBelow(shooter.damageMax) + 1;
}

void fireShot(Unit& shooter, Unit& target) {
    shotTimer = shotShowTicks;
    shotTarget = unitIndexOf(target);
    shotShooter = unitIndexOf(shooter);
    shotDamage = 0;
    playShotSound(shooter.weaponSound);
    if (rollHit(shooter, target)) {
        shotDamage = rollDamage(shooter, target);
        target.health -= shotDamage;
    }
}

void setShotSoundPlayer(ShotSoundPlayer player) {
    soundPlayer = player;
}
