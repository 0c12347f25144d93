// A short run of each playtest strategy on the first floor of the shipped
// campaign (the run directory the build assembles). The figures of many games
// are `make playtest`'s business; here: a game ends, its record adds up, and
// a seed replays the same game whatever was played before it.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "playtest_game.h"
#include "playtest_table.h"
#include "support/shipped_game.h"
#include "world/floor_loading.h"
#include "world/game_state.h"
#include "world/random.h"

namespace {
constexpr uint32_t SEED = 20261209;

class PlaytestSmoke : public ShippedGameTest {
  protected:
    void SetUp() override {
        ShippedGameTest::SetUp();
        if (HasFatalFailure())
            return;
        std::string why;
        ASSERT_TRUE(preparePlaytest(why)) << why;
    }
    static GameRecord firstFloor(const std::string& strategyName, uint32_t seed) {
        auto strategy = makeStrategy(strategyName, seed);
        GameRecord game;
        std::string why;
        EXPECT_TRUE(playGame(*strategy, 1, true, game, why)) << why;
        return game;
    }
};

std::string lines(const GameRecord& game) {
    std::string text = game.completed ? "completed\n" : "not completed\n";
    for (const FloorRecord& r : game.floors)
        text += describeFloor(r) + "\n";
    return text;
}
} // namespace

TEST_F(PlaytestSmoke, EachStrategyPlaysTheFirstFloorToAnEndThatAddsUp) {
    for (const std::string& name : strategyNames()) {
        SCOPED_TRACE(name);
        const GameRecord game = firstFloor(name, SEED);
        ASSERT_EQ(game.floors.size(), 1u) << "one floor asked for, one floor played";
        const FloorRecord& r = game.floors[0];
        EXPECT_EQ(r.floor, 1);
        EXPECT_GE(r.rounds, 1);
        EXPECT_LE(r.rounds, ROUNDS_PER_FLOOR_MAX);
        EXPECT_EQ(game.completed, r.outcome == FloorOutcome::COMPLETED);
        EXPECT_LE(r.hits, r.shots);
        EXPECT_LE(r.killed, unitCount - squadSize);
        EXPECT_GE(r.soldiersLost, 0);
        EXPECT_LE(r.soldiersLost, squadSize);
        if (r.outcome == FloorOutcome::LOST) {
            EXPECT_EQ(r.soldiersLost, squadSize) << "a lost floor is a squad wiped out";
        }
        if (name == "run") {
            EXPECT_EQ(r.shots, 0) << "runners never shoot";
        }
        if (name == "fight") {
            EXPECT_GT(r.shots, 0) << "the first floor's guards are worth a shot";
        }
    }
}

TEST_F(PlaytestSmoke, ASeedReplaysItsGameWhateverWasPlayedBefore) {
    for (const std::string& name : strategyNames()) {
        SCOPED_TRACE(name);
        const std::string first = lines(firstFloor(name, SEED));
        // Other games move the game's generator on; a new game must not notice.
        for (uint32_t s = 1; s <= 4; ++s)
            firstFloor(name, SEED + s);
        EXPECT_EQ(lines(firstFloor(name, SEED)), first);
    }
}

TEST_F(PlaytestSmoke, ChoicesComeFromTheStrategysOwnGenerator) {
    floorNumber = 1;
    ASSERT_TRUE(loadFloor(1)) << floorLoadError();
    for (turnSlot = 0; units[currentUnitIndex()].side != SIDE_SQUAD; ++turnSlot)
        ASSERT_LT(turnSlot + 1, unitCount);
    for (const std::string& name : strategyNames()) {
        SCOPED_TRACE(name);
        const uint32_t before = randomState();
        std::set<std::string> choices;
        for (uint32_t seed = 0; seed < 8; ++seed) {
            const Command c = makeStrategy(name, seed)->choose();
            choices.insert(std::to_string(static_cast<int>(c.kind)) + " " +
                           std::to_string(c.cell.x) + " " + std::to_string(c.cell.y));
        }
        EXPECT_EQ(randomState(), before) << "drew from the game's generator";
        // A fighter's seed only breaks ties, which the first turn may not have.
        if (name != "fight") {
            EXPECT_GT(choices.size(), 1u) << "the seed plays no part";
        }
    }
}

TEST(PlaytestTable, SharesOfAFloorCountOnlyTheGamesThatReachedIt) {
    GameRecord won;
    won.completed = true;
    won.floors = {FloorRecord{1, FloorOutcome::COMPLETED, 4, 0, 6, 3, 2},
                  FloorRecord{2, FloorOutcome::COMPLETED, 8, 1, 10, 5, 3}};
    GameRecord lostEarly;
    lostEarly.floors = {FloorRecord{1, FloorOutcome::LOST, 6, 4, 2, 1, 0}};
    GameRecord lostLater;
    lostLater.floors = {FloorRecord{1, FloorOutcome::COMPLETED, 2, 0, 0, 0, 0},
                        FloorRecord{2, FloorOutcome::LOST, 4, 3, 4, 1, 1}};
    CampaignTable table;
    table.add("fight", won);
    table.add("fight", lostEarly);
    table.add("fight", lostLater);
    EXPECT_EQ(table.summary(), "fight: completed 1 of 3 games\n");
    const std::string text = table.text();
    EXPECT_NE(text.find("fight        1     3       67%    33%      0%    4.0          1.33"
                        "    2.7   1.3    0.7\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("fight        2     2       50%    50%      0%    6.0          2.00"
                        "    7.0   3.0    2.0\n"),
              std::string::npos)
        << text;
}
