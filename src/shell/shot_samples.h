// The three shot sounds, one handle per weapon sound, all from one file.
// Owned by start-up until shutdown; a handle that failed to load stays null.
#pragma once

#include <cstdint>

#include "world/weapons.h"

struct SAMPLE;

extern SAMPLE* shotSamples[WEAPON_SOUND_COUNT];
