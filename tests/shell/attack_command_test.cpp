// The attack command and the shot display that pauses the game.
#include <gtest/gtest.h>

#include "play_scene.h"
#include "shell/turn_loop.h"
#include "support/test_floor.h"
#include "world/settings.h"

namespace {
// A target in the open, in sight of the soldier and within short range; with
// dodge 1 every shot at it hits.
class Attack : public PlayScene {
  protected:
    void SetUp() override {
        PlayScene::SetUp();
        pocketGuardScene();
        target = addUnit(SIDE_ENEMY, 4, 1);
        units[target].dodge = 1;
    }
    Unit& theSoldier() { return units[soldier]; }
    Unit& theTarget() { return units[target]; }

    void shootAndWait(ScriptedPlatform& play, int32_t ticks = 15) {
        play.hold(pressAtCell(4, 1), 1).hold(pointerAtCell(4, 1), ticks).hold(escape());
        runTurnLoop();
    }

    struct Seen {
        int32_t shotTimer;
        int32_t actor;
        int32_t targetColumn;
    };
    // State at every tick from the one on which the shot is seen first.
    std::vector<Seen> watchShot(ScriptedPlatform& play) {
        std::vector<Seen> seen;
        play.onTick = [this, &seen] {
            if (shotTarget == target || !seen.empty())
                seen.push_back(Seen{shotTimer, currentUnitIndex(), theTarget().x});
        };
        shootAndWait(play);
        return seen;
    }

    int32_t target = NO_UNIT;
};
} // namespace

TEST_F(Attack, ShotHitsAlertsTheTargetAndUsesUpTheTurn) {
    ScriptedPlatform play;
    shootAndWait(play, 0); // leave before the target can answer
    EXPECT_GT(shotDamage, 0);
    EXPECT_EQ(theTarget().health, 20 - shotDamage);
    EXPECT_EQ(theTarget().alerted, 1);
    EXPECT_EQ(theTarget().targetIndex, soldier);
    EXPECT_EQ(play.soundsPlayed, std::vector<int32_t>{theSoldier().weaponSound});
    EXPECT_EQ(enemiesLeft, 2);
}

TEST_F(Attack, ShotPausesTheGameAndTheTurnPassesOnTheTickTheDisplayEnds) {
    ScriptedPlatform play;
    const std::vector<Seen> seen = watchShot(play);
    ASSERT_GT(seen.size(), static_cast<size_t>(TEST_SHOT_TICKS));
    // The first tick after the shot counts the display down from shotShowTicks.
    for (int32_t i = 0; i < TEST_SHOT_TICKS; ++i) {
        EXPECT_EQ(seen[i].shotTimer, TEST_SHOT_TICKS - 1 - i) << "tick " << i;
        EXPECT_EQ(seen[i].targetColumn, 4) << "nobody acts during the display";
    }
    for (int32_t i = 0; i + 1 < TEST_SHOT_TICKS; ++i)
        EXPECT_EQ(seen[i].actor, soldier) << "tick " << i;
    EXPECT_NE(seen[TEST_SHOT_TICKS - 1].actor, soldier) << "finished by the last tick itself";
}

TEST_F(Attack, WithNoDisplayTheTurnEndsInTheSamePass) {
    shotShowTicks = 0;
    ScriptedPlatform play;
    bool checked = false;
    play.onPresent = [&](BITMAP*) {
        if (!checked && shotTarget == target) {
            checked = true;
            EXPECT_NE(currentUnitIndex(), soldier);
        }
    };
    shootAndWait(play);
    EXPECT_TRUE(checked);
}

TEST_F(Attack, NoPressIsTakenWhileTheShotIsShown) {
    ScriptedPlatform play;
    play.hold(pressAtCell(4, 1), 1)
        .hold(pointerAtCell(4, 1), 1)
        .hold(pressAtCell(2, 2), 1) // within the display
        .hold(pointerAtCell(2, 2), 1)
        .hold(escape());
    bool passedEarly = false;
    play.onTick = [&] { passedEarly |= shotTimer > 0 && currentUnitIndex() != soldier; };
    runTurnLoop();
    EXPECT_FALSE(passedEarly) << "a move with no points left would hand the turn on";
    EXPECT_EQ(theSoldier().x, 1);
    EXPECT_EQ(theSoldier().y, 1);
}

TEST_F(Attack, NoSightLineNoShotAndTheTurnIsKept) {
    mapCells[cellIndex(3, 1)] = CELL_WALL;
    ScriptedPlatform play;
    shootAndWait(play);
    EXPECT_EQ(theTarget().health, 20);
    EXPECT_EQ(shotTimer, 0);
    EXPECT_EQ(theTarget().alerted, 0);
    EXPECT_EQ(theSoldier().actionPoints, 7);
    EXPECT_EQ(currentUnitIndex(), soldier);
    EXPECT_TRUE(play.soundsPlayed.empty());
}

TEST_F(Attack, KillFreesTheCellAndCountsTheEnemyOff) {
    theTarget().health = 1;
    ScriptedPlatform play;
    play.hold(pressAtCell(4, 1), 1).hold(escape());
    runTurnLoop();
    EXPECT_LE(theTarget().health, 0);
    EXPECT_EQ(enemiesLeft, 1);
    EXPECT_EQ(occupancy[cellIndex(4, 1)], 0);
}
