// Whole games through the turn loop on floors loaded from files: leaving by the
// exit, the transition, completion both ways, a refused floor, and the same
// game from the same script.
#include <gtest/gtest.h>

#include <set>

#include "campaign.h"
#include "play_scene.h"
#include "shell/player_commands.h"
#include "shell/turn_loop.h"
#include "support/test_floor.h"
#include "world/floor_loading.h"

namespace {
// The squad starts at (1, 1); the exit is two steps away. The one enemy starts
// in the bottom right corner, walled in, where it sees nobody and goes nowhere.
const std::vector<std::string> EXIT_NEARBY = {"........", "...E....", "........", "........",
                                              "........", "........", "......##", "......#."};

// Presses the same cell again and again; presses outside the soldier's turn
// are ignored by the game, and one ends the transition after its first second.
void keepPressing(ScriptedPlatform& play, int32_t x, int32_t y, int32_t times) {
    for (int32_t i = 0; i < times; ++i)
        play.hold(pressAtCell(x, y), 1).hold(pointerAtCell(x, y), 2);
}

class Game : public PlayScene {
  protected:
    void countTransitionFrames(ScriptedPlatform& play) {
        play.onPresent = [this](BITMAP* frame) {
            ++frames;
            if (showsTransition(frame)) {
                ++transitionFrames;
                noticesWithShot += shotTimer > 0;
            }
        };
    }
    int32_t frames = 0;
    int32_t transitionFrames = 0;
    int32_t noticesWithShot = 0;
};
} // namespace

TEST_F(Game, LeavesFloorOneByTheExitAndCompletesOnTheLastFloorsExit) {
    Campaign campaign({FloorFile{EXIT_NEARBY, 2, 1}, FloorFile{EXIT_NEARBY, 2, 1}});
    ASSERT_TRUE(Campaign::start());
    ScriptedPlatform play;
    countTransitionFrames(play);
    keepPressing(play, 3, 1, 100);
    play.hold(escape());
    EXPECT_TRUE(runTurnLoop());
    EXPECT_EQ(turnLoopEnd(), TurnLoopEnd::COMPLETED);
    EXPECT_EQ(floorNumber, 2);
    EXPECT_EQ(units[0].x, 3);
    EXPECT_EQ(units[0].y, 1);
    EXPECT_TRUE(units[0].onFloor) << "the goal does not take the soldier off the floor";
    EXPECT_GE(transitionFrames, 10) << "a second of 100 ms ticks, then a press ended it";
    EXPECT_LT(play.ticks(), 300) << "ended by the goal, not by Esc";
}

TEST_F(Game, FloorWithoutEnemiesPastTheLastCompletesWithNoGameFrame) {
    Campaign campaign({FloorFile{EXIT_NEARBY, 1, 1}});
    ASSERT_TRUE(Campaign::start());
    ScriptedPlatform play;
    countTransitionFrames(play);
    play.hold(escape());
    EXPECT_TRUE(runTurnLoop());
    EXPECT_EQ(turnLoopEnd(), TurnLoopEnd::COMPLETED);
    EXPECT_TRUE(allFloorsDone);
    EXPECT_EQ(frames, transitionFrames) << "Esc is not looked at during the transition";
    EXPECT_EQ(play.ticks(), 101);
}

TEST_F(Game, RefusedFloorEndsTheLoopWithItsReason) {
    FloorFile broken{EXIT_NEARBY, 2, 1};
    broken.mapMissing = true;
    Campaign campaign({FloorFile{EXIT_NEARBY, 1, 1}, broken});
    ASSERT_TRUE(Campaign::start());
    ScriptedPlatform play;
    play.hold(pointerAt(0, 0));
    EXPECT_FALSE(runTurnLoop());
    EXPECT_EQ(turnLoopEnd(), TurnLoopEnd::FLOOR_REFUSED);
    EXPECT_FALSE(allFloorsDone);
    EXPECT_FALSE(floorLoadError().empty());
}

TEST_F(Game, KillingTheLastEnemyBringsTheNextFloorAfterTheDisplayAndTheTransition) {
    Campaign campaign({FloorFile{EXIT_NEARBY, 2, 1}, FloorFile{EXIT_NEARBY, 3, 1}});
    pocketGuardScene();
    // the pocket guard is the last enemy, brought out into the open
    Unit& target = units[guard];
    occupancy[cellIndex(target.x, target.y)] = 0;
    target.x = 4;
    target.y = 1;
    occupancy[cellIndex(4, 1)] = 1;
    target.health = 1;
    target.dodge = 1;
    ScriptedPlatform play;
    countTransitionFrames(play);
    int32_t killedAt = -1, loadedAt = -1;
    play.onTick = [&] {
        if (killedAt < 0 && enemiesLeft == 0)
            killedAt = play.ticks();
        if (loadedAt < 0 && floorNumber == 2)
            loadedAt = play.ticks();
    };
    play.hold(pressAtCell(4, 1), 1).hold(pointerAt(0, 0), 130).hold(escape());
    EXPECT_FALSE(runTurnLoop());
    ASSERT_EQ(floorNumber, 2);
    EXPECT_EQ(unitCount, 3);
    EXPECT_GE(loadedAt - killedAt, TEST_SHOT_TICKS + 100);
    EXPECT_LE(loadedAt - killedAt, TEST_SHOT_TICKS + 101);
    EXPECT_GE(transitionFrames, 101);
    EXPECT_EQ(noticesWithShot, 0) << "the shot's number stays on the map";
}

TEST_F(Game, AFloorListedWithoutASquadIsOverNotLost) {
    // Before another floor: the transition and that floor; as the last: completion.
    for (bool last : {false, true}) {
        SCOPED_TRACE(last ? "last floor" : "first of two");
        const FloorFile noSquad{EXIT_NEARBY, 2, 0};
        Campaign campaign(last ? std::vector<FloorFile>{noSquad}
                               : std::vector<FloorFile>{noSquad, FloorFile{EXIT_NEARBY, 2, 1}});
        ASSERT_TRUE(Campaign::start()) << floorLoadError();
        ScriptedPlatform play;
        countTransitionFrames(play);
        play.hold(pointerAt(0, 0), 110).hold(escape());
        EXPECT_EQ(runTurnLoop(), last);
        EXPECT_EQ(turnLoopEnd(), last ? TurnLoopEnd::COMPLETED : TurnLoopEnd::ESCAPED);
        EXPECT_EQ(allFloorsDone, last);
        EXPECT_EQ(floorNumber, 2);
        EXPECT_GE(transitionFrames, 101);
    }
}

TEST_F(Game, SquadDeadToTheLastManLosesTheGameOthersGoOn) {
    const FloorFile floor{EXIT_NEARBY, 3, 2};
    Campaign campaign({floor, floor});
    for (bool oneLeft : {false, true}) {
        ASSERT_TRUE(Campaign::start());
        units[0].health = 0;
        units[1].health = oneLeft ? 20 : -3;
        units[1].onFloor = !oneLeft;
        squadOnFloor = 0;
        ScriptedPlatform play;
        countTransitionFrames(play);
        play.hold(escape());
        EXPECT_FALSE(runTurnLoop());
        EXPECT_EQ(turnLoopEnd(), oneLeft ? TurnLoopEnd::ESCAPED : TurnLoopEnd::SQUAD_LOST);
        EXPECT_EQ(floorNumber, oneLeft ? 2 : 1);
        EXPECT_EQ(transitionFrames > 0, oneLeft);
    }
}

namespace {
// Two soldiers and two enemies in the open with cover and medkits: enough for
// sightings, shots, pursuit and pick-ups.
const std::vector<std::string> SKIRMISH = {"........", "..#.....", "..#..c..", "........",
                                           "....##..", "........", "........", "E......."};

std::vector<uint64_t> playSkirmish(std::vector<int32_t>& sounds) {
    Campaign campaign({FloorFile{SKIRMISH, 4, 2, 2}, FloorFile{SKIRMISH, 4, 2, 2}});
    EXPECT_TRUE(Campaign::start());
    ScriptedPlatform play;
    const int32_t cells[][2] = {{3, 3}, {6, 6}, {7, 6}, {4, 5}, {7, 7}, {0, 7}};
    for (int32_t round = 0; round < 30; ++round) {
        const auto& c = cells[round % 6];
        play.hold(pressAtCell(c[0], c[1]), 1).hold(pointerAtCell(c[0], c[1]), 4);
        if (round % 3 == 2)
            play.hold(pressAtCell(0, 0, BUTTON_RIGHT), 1).hold(pointerAt(0, 0), 4);
    }
    play.hold(escape());
    runTurnLoop();
    sounds = play.soundsPlayed;
    return play.trace();
}
} // namespace

TEST_F(Game, SameScriptPlaysTheSameGame) {
    std::vector<int32_t> firstSounds, secondSounds;
    const std::vector<uint64_t> first = playSkirmish(firstSounds);
    const std::vector<uint64_t> second = playSkirmish(secondSounds);
    EXPECT_EQ(first, second);
    EXPECT_EQ(firstSounds, secondSounds);
    // and the game was worth comparing: things happened and shots were fired
    EXPECT_GT(std::set<uint64_t>(first.begin(), first.end()).size(), 30u);
    EXPECT_FALSE(firstSounds.empty());
}
