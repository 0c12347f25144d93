#include <gtest/gtest.h>

#include "world/random.h"

TEST(Random, FirstValuesFromAFreshStateAreTheKnownSequence) {
    setRandomState(1);
    const int32_t expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int32_t value : expected)
        EXPECT_EQ(gameRand(), value);
}
