#include "shell/shot_samples.h"

SAMPLE* shotSamples[SHOT_SAMPLE_COUNT] = {};
