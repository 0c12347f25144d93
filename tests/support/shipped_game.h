// Tests that play the shipped campaign run inside the run directory the build
// assembles, and go back where they were afterwards.
#pragma once

#include <gtest/gtest.h>

#include <string>

class ShippedGameTest : public testing::Test {
  protected:
    void SetUp() override;
    // Releases the floor's arrays, then leaves the run directory.
    void TearDown() override;

  private:
    std::string previous;
};

// The same, ready to play headless: test pictures, the subsystems connected
// and the shipped init.txt read.
class ShippedPlayTest : public ShippedGameTest {
  protected:
    void SetUp() override;
};
