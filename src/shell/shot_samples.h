// The three shot sounds, one handle per weapon sound, all from one file.
// Owned by start-up until shutdown; a handle that failed to load stays null.
#pragma once

#include <cstdint>

struct SAMPLE;

constexpr int32_t SHOT_SAMPLE_COUNT = 3;
extern SAMPLE* shotSamples[SHOT_SAMPLE_COUNT];
