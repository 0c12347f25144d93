#include <gtest/gtest.h>

#include <vector>

#include "world/floor_checks.h"
#include "world/random.h"

TEST(Random, FirstValuesFromAFreshStateAreTheKnownSequence) {
    setRandomState(1);
    const int32_t expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int32_t value : expected)
        EXPECT_EQ(gameRand(), value);
}

namespace {
constexpr uint32_t MULTIPLIER = 214013u;
constexpr uint32_t INCREMENT = 2531011u;
constexpr int32_t VALUES = 0x8000;

// Medkits and patrol points draw a column, then a row, until the cell suits.
// Write the state the column is read from as h * 2^16 + l. The column is
// h mod 2^15 and the row is (MULTIPLIER * column + t(l)) mod 2^15 with
// t(l) = (MULTIPLIER * l + INCREMENT) >> 16; every attempt takes two draws,
// so l keeps its parity through one placement. The values t(l) misses for
// a parity are what could leave a cell unreachable.
uint32_t lowPartOfRow(uint32_t l) {
    return ((MULTIPLIER * l + INCREMENT) >> 16) & 0x7FFF;
}

std::vector<int32_t> missedRowParts(uint32_t parity) {
    std::vector<bool> hit(VALUES, false);
    for (uint32_t l = parity; l < 0x10000; l += 2)
        hit[lowPartOfRow(l)] = true;
    std::vector<int32_t> missed;
    for (int32_t v = 0; v < VALUES; ++v)
        if (!hit[v])
            missed.push_back(v);
    return missed;
}

bool columnReachesEveryRow(int32_t column, int32_t side, const std::vector<int32_t>& missed,
                           const std::vector<int32_t>& classSize, std::vector<int32_t>& misses) {
    const uint32_t offset = MULTIPLIER * static_cast<uint32_t>(column);
    std::fill(misses.begin(), misses.end(), 0);
    for (int32_t m : missed)
        ++misses[((static_cast<uint32_t>(m) + offset) & 0x7FFF) % side];
    for (int32_t row = 0; row < side; ++row)
        if (misses[row] == classSize[row])
            return false;
    return true;
}
} // namespace

TEST(Random, TheRowFormulaOfAPlacementAttemptMatchesTheGenerator) {
    for (uint32_t seed : {1u, 2u, 77u, 0x12345678u, 0xFFFFFFFFu}) {
        setRandomState(seed);
        const int32_t column = gameRand();
        const uint32_t l = randomState() & 0xFFFF;
        const int32_t row = gameRand();
        EXPECT_EQ(static_cast<uint32_t>(row), (MULTIPLIER * column + lowPartOfRow(l)) & 0x7FFF);
    }
}

TEST(Random, PlacementDrawsReachEveryCellOfEveryMapTheGameAccepts) {
    // So a placement loop ends whenever one suitable cell exists.
    for (uint32_t parity : {0u, 1u}) {
        const std::vector<int32_t> missed = missedRowParts(parity);
        for (int32_t side = 1; side <= MAP_SIDE_MAX; ++side) {
            std::vector<int32_t> classSize(side, 0), misses(side);
            for (int32_t v = 0; v < VALUES; ++v)
                ++classSize[v % side];
            for (int32_t x = 0; x < side; ++x) {
                bool reached = false;
                for (int32_t column = x; column < VALUES && !reached; column += side)
                    reached = columnReachesEveryRow(column, side, missed, classSize, misses);
                ASSERT_TRUE(reached) << "side " << side << " column " << x;
            }
        }
    }
}
