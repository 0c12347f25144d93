// The arithmetic of a shot, shared by both kinds of shooter.
#pragma once

#include <cstdint>

struct Unit;

float distance(int32_t x0, int32_t y0, int32_t x1, int32_t y1);
bool rollHit(const Unit& shooter, const Unit& target);
int32_t rollDamage(const Unit& shooter, const Unit& target);
// Starts the shot display, plays the weapon's sound and applies a hit to target.health.
void fireShot(Unit& shooter, Unit& target);

// The machine plays the sound; the rules only say which. Null plays nothing.
using ShotSoundPlayer = void (*)(int32_t weaponSound);
void setShotSoundPlayer(ShotSoundPlayer player);
