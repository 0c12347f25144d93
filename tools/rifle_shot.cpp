#include "rifle_shot.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double PI = 3.14159265358979323846;
constexpr double ATTACK_SECONDS = 0.0015;
constexpr double CRACK_DECAY = 0.018;
constexpr double BODY_DECAY = 0.05;
constexpr double TAIL_DECAY = 0.12;
constexpr double THUMP_DECAY = 0.07;
constexpr double THUMP_START_HZ = 150.0;
constexpr double THUMP_END_HZ = 48.0;
constexpr double PEAK = 0.92;

// A fixed noise source, so every build writes the same file.
struct Noise {
    uint32_t state = 0x2545F491u;
    double next() {
        state = state * 1664525u + 1013904223u;
        return static_cast<double>(state >> 8) / 8388608.0 - 1.0;
    }
};

} // namespace

std::vector<int16_t> synthesizeRifleShot() {
    const int count = static_cast<int>(RIFLE_SECONDS * RIFLE_SAMPLE_RATE);
    std::vector<double> mix(count);
    Noise noise;
    double dark = 0.0, darker = 0.0, thumpPhase = 0.0;
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / RIFLE_SAMPLE_RATE;
        const double attack = std::min(1.0, t / ATTACK_SECONDS);
        const double n = noise.next();
        // Two low-pass stages darken the noise for the body and the tail.
        dark += 0.35 * (n - dark);
        darker += 0.06 * (dark - darker);
        const double crack = n * std::exp(-t / CRACK_DECAY);
        const double body = dark * std::exp(-t / BODY_DECAY);
        const double tail = darker * 2.5 * std::exp(-t / TAIL_DECAY);
        const double hz = THUMP_END_HZ + (THUMP_START_HZ - THUMP_END_HZ) * std::exp(-t / 0.03);
        thumpPhase += 2.0 * PI * hz / RIFLE_SAMPLE_RATE;
        const double thump = std::sin(thumpPhase) * std::exp(-t / THUMP_DECAY);
        // A short fade at the very end keeps the last sample from clicking.
        const double fade = std::min(1.0, (RIFLE_SECONDS - t) / 0.02);
        mix[i] = attack * fade * (0.8 * crack + 0.9 * body + 0.5 * tail + 0.7 * thump);
    }
    double peak = 0.0;
    for (double v : mix)
        peak = std::max(peak, std::fabs(std::tanh(v)));
    std::vector<int16_t> out(count);
    for (int i = 0; i < count; ++i)
        out[i] = static_cast<int16_t>(std::lround(std::tanh(mix[i]) / peak * PEAK * 32767.0));
    return out;
}
