// The shipped campaign (the run directory the build assembles) played by a
// monkey for many passes of the turn loop, with the state's invariants checked
// at the start of every pass. A game that ends (won, lost or after its share of
// passes) starts again from floor 1, so the floors further in are played too.
//
// PROWLGRID_SOAK_PASSES sets the number of passes (make soak runs many more).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "monkey_platform.h"
#include "shell/new_game.h"
#include "shell/turn_loop.h"
#include "support/game_invariants.h"
#include "support/shipped_game.h"
#include "world/floor_loading.h"
#include "world/game_state.h"

namespace {
constexpr int64_t DEFAULT_PASSES = 10000;
// Long enough to get deep into a floor, short enough to see every floor often.
constexpr int64_t PASSES_PER_GAME_MAX = 3000;
constexpr uint32_t SEED = 20261208;
constexpr int32_t IDLES_PER_TICK = 3;

int64_t passesWanted() {
    const char* text = std::getenv("PROWLGRID_SOAK_PASSES");
    const int64_t wanted = text ? std::atoll(text) : 0;
    return wanted > 0 ? wanted : DEFAULT_PASSES;
}

class CampaignSoak : public ShippedPlayTest {
  protected:
    // The game as start-up leaves it, floor 1 loaded; the random sequence goes on.
    static bool newGame() {
        resetForNewGame(1);
        return loadFloor(floorNumber);
    }
};
} // namespace

TEST_F(CampaignSoak, RandomPressesKeepTheStateWhole) {
    const int64_t wanted = passesWanted();
    MonkeyPlatform monkey(SEED, IDLES_PER_TICK);
    std::string broken;
    int64_t brokenAt = 0;
    int64_t gameStart = 0;
    int32_t deepestFloor = 0;
    monkey.onPass = [&] {
        if (!broken.empty())
            return;
        broken = brokenInvariant();
        brokenAt = monkey.passes();
        deepestFloor = std::max(deepestFloor, floorNumber);
    };
    monkey.stopWanted = [&] {
        return !broken.empty() || monkey.passes() >= wanted ||
               monkey.passes() - gameStart >= PASSES_PER_GAME_MAX;
    };

    int32_t games = 0, won = 0, lost = 0;
    while (monkey.passes() < wanted && broken.empty()) {
        monkey.startGame();
        gameStart = monkey.passes();
        ASSERT_TRUE(newGame()) << floorLoadError();
        runTurnLoop();
        ++games;
        const TurnLoopEnd end = turnLoopEnd();
        ASSERT_NE(end, TurnLoopEnd::FLOOR_REFUSED) << floorLoadError();
        won += end == TurnLoopEnd::COMPLETED;
        lost += end == TurnLoopEnd::SQUAD_LOST;
    }

    EXPECT_EQ(broken, "") << "at pass " << brokenAt << " on floor " << floorNumber;
    std::printf("soak: %lld passes, %lld presses, %lld shots, %d games (%d won, %d lost), "
                "deepest floor %d\n",
                static_cast<long long>(monkey.passes()), static_cast<long long>(monkey.presses()),
                static_cast<long long>(monkey.shots()), games, won, lost, deepestFloor);
    EXPECT_GT(monkey.shots(), 0) << "the monkey never fired";
}
