#include "combat/target_choice.h"

#include "world/game_state.h"

namespace {
// Values of targetPreference.
constexpr int32_t PREFER_STRONGEST = 0;
constexpr int32_t PREFER_WEAKEST = 1;
constexpr int32_t PREFER_LEAST_DODGE = 2;
constexpr int32_t PREFER_SLOWEST = 3;
constexpr int32_t PREFER_MOST_HURT = 4;

// Where the search for the highest or the lowest value starts; a statistic at
// or past the bound never qualifies.
constexpr int32_t HIGHEST_BOUND = -1;
constexpr int32_t LOWEST_BOUND = 100;

bool comparedValue(const Unit& unit, int32_t rule, int32_t& value) {
    switch (rule) {
    case PREFER_STRONGEST:
    case PREFER_WEAKEST:
        value = unit.strength;
        return true;
    case PREFER_LEAST_DODGE:
        value = unit.dodge;
        return true;
    case PREFER_SLOWEST:
        value = unit.speed;
        return true;
    case PREFER_MOST_HURT:
        value = unit.health;
        return true;
    }
    return false;
}

bool isCandidate(const Unit floorUnits[], int32_t self, int32_t i) {
    return i != self && floorUnits[i].side != floorUnits[self].side && floorUnits[i].health > 0;
}
} // namespace

int32_t chooseTarget(Unit floorUnits[], int32_t self, int32_t count) {
    Unit& chooser = floorUnits[self];
    const int32_t rule = chooser.targetPreference;
    const bool highest = rule == PREFER_STRONGEST;
    int32_t best = highest ? HIGHEST_BOUND : LOWEST_BOUND;
    int32_t result = NO_UNIT;
    for (int32_t i = 0; i < count; ++i) {
        int32_t value = 0;
        if (!isCandidate(floorUnits, self, i) || !comparedValue(floorUnits[i], rule, value))
            continue;
        // Strict, so a tie keeps the lower index.
        if (highest ? value > best : value < best) {
            best = value;
            result = i;
        }
    }
    chooser.targetIndex = result;
    return result;
}
