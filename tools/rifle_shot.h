// The rifle shot, synthesized: a sharp crack of noise, a low thump and a short
// darker tail, all decaying within a third of a second.
#pragma once

#include <cstdint>
#include <vector>

constexpr int RIFLE_SAMPLE_RATE = 22050;
constexpr double RIFLE_SECONDS = 0.36;

std::vector<int16_t> synthesizeRifleShot();
