#include "shell/shot_samples.h"

SAMPLE* shotSamples[WEAPON_SOUND_COUNT] = {};
