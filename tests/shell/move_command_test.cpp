// The move command: one step per tick, spotting before each step, and the
// ways a move ends.
#include <gtest/gtest.h>

#include "play_scene.h"
#include "shell/player_commands.h"
#include "shell/turn_loop.h"
#include "support/test_bitmaps.h"
#include "support/test_floor.h"

namespace {
class Move : public PlayScene {
  protected:
    void SetUp() override {
        PlayScene::SetUp();
        pocketGuardScene();
    }
    Unit& theSoldier() { return units[soldier]; }

    // Presses once on the cell, waits long enough for any move, then Esc.
    void moveTo(int32_t x, int32_t y, ScriptedPlatform& play) {
        play.hold(pressAtCell(x, y), 1).hold(pointerAtCell(x, y), 15).hold(escape());
        runTurnLoop();
    }
};
} // namespace

TEST_F(Move, OneStepPerTickAndTheCellsMarksFollow) {
    ScriptedPlatform play;
    std::vector<int32_t> columnAtTick;
    play.onTick = [&] { columnAtTick.push_back(units[soldier].x); };
    moveTo(4, 1, play);
    ASSERT_EQ(theSoldier().x, 4);
    for (size_t i = 1; i < columnAtTick.size(); ++i)
        EXPECT_LE(columnAtTick[i] - columnAtTick[i - 1], 1) << "two steps before tick " << i;
    EXPECT_EQ(theSoldier().actionPoints, 4);
    EXPECT_EQ(occupancy[cellIndex(1, 1)], 0);
    EXPECT_EQ(occupancy[cellIndex(4, 1)], 1);
}

TEST_F(Move, RunningOutOfPointsStopsShortAndPassesTheTurn) {
    theSoldier().speed = theSoldier().actionPoints = 3;
    ScriptedPlatform play;
    watchGuard(play);
    moveTo(6, 1, play);
    EXPECT_EQ(theSoldier().x, 4);
    EXPECT_GT(guardSteps, 0);
}

TEST_F(Move, UnreachableCellEndsTheTurnAtOnce) {
    // (7, 6) lies inside the guard's pocket.
    ScriptedPlatform play;
    watchGuard(play);
    moveTo(7, 6, play);
    EXPECT_EQ(theSoldier().x, 1);
    EXPECT_EQ(theSoldier().y, 1);
    EXPECT_GT(guardSteps, 0);
}

TEST_F(Move, ExitEndsTheTurnOnArrivalAndStaysATargetForTheNext) {
    pocketGuardScene(true);
    mapCells[cellIndex(3, 1)] = CELL_EXIT;
    ScriptedPlatform play;
    play.hold(pressAtCell(3, 1), 1)
        .hold(pointerAtCell(3, 1), 10)
        .hold(pressAtCell(3, 1), 1) // the mate's turn now: the exit is marked but still a target
        .hold(pointerAtCell(3, 1), 10)
        .hold(escape());
    runTurnLoop();
    EXPECT_FALSE(theSoldier().onFloor);
    EXPECT_EQ(theSoldier().actionPoints, 0);
    EXPECT_FALSE(units[mate].onFloor);
    EXPECT_EQ(units[mate].x, 3);
    EXPECT_EQ(squadOnFloor, 0);
    EXPECT_EQ(occupancy[cellIndex(3, 1)], 1);
}

TEST_F(Move, ArrivalLeavesItsTickToTheUnitThatActsNext) {
    theSoldier().actionPoints = 1;
    ScriptedPlatform play;
    const int32_t guardX = units[guard].x;
    const int32_t guardY = units[guard].y;
    int32_t arrivedAt = -1;
    int32_t guardMovedAt = -1;
    play.onPresent = [&](BITMAP*) {
        if (arrivedAt < 0 && theSoldier().x == 2)
            arrivedAt = play.ticks();
        if (guardMovedAt < 0 && (units[guard].x != guardX || units[guard].y != guardY))
            guardMovedAt = play.ticks();
    };
    moveTo(2, 1, play);
    ASSERT_GE(arrivedAt, 0);
    EXPECT_EQ(guardMovedAt, arrivedAt) << "the step that arrived did not use its tick up";
}

TEST_F(Move, MedkitIsPickedUpOnTheWay) {
    addMedkit(3, 1);
    theSoldier().health = 10;
    ScriptedPlatform play;
    moveTo(3, 1, play);
    EXPECT_EQ(theSoldier().health, 18);
    EXPECT_EQ(medkits[0].active, 0);
    EXPECT_EQ(mapCells[cellIndex(3, 1)], CELL_FLOOR);
}

TEST_F(Move, EscDuringAMoveTakesEffectWhenItEnds) {
    ScriptedPlatform play;
    play.hold(pressAtCell(5, 1), 1).hold(escape());
    EXPECT_FALSE(runTurnLoop());
    EXPECT_EQ(turnLoopEnd(), TurnLoopEnd::ESCAPED);
    EXPECT_EQ(theSoldier().x, 5);
    EXPECT_EQ(theSoldier().actionPoints, 3);
}

namespace {
// A guard in the open at the far left sees the whole floor.
class Spotting : public Move {
  protected:
    int32_t addWatcher(int32_t x, int32_t y) {
        const int32_t w = addUnit(SIDE_ENEMY, x, y);
        units[w].patrolPoints[0][0] = units[w].patrolPoints[1][0] = 7;
        units[w].patrolPoints[0][1] = units[w].patrolPoints[1][1] = 0;
        return w;
    }
};
} // namespace

TEST_F(Spotting, FirstUntargetedEnemyThatSeesTheSoldierTakesItAndTheRestAreNotAsked) {
    const int32_t first = addWatcher(0, 6);
    const int32_t second = addWatcher(2, 6);
    ScriptedPlatform play;
    moveTo(2, 1, play);
    EXPECT_EQ(units[first].alerted, 1);
    EXPECT_EQ(units[first].targetIndex, soldier);
    EXPECT_EQ(units[second].alerted, 0);
    EXPECT_EQ(units[second].targetIndex, NO_UNIT);
    EXPECT_FALSE(theSoldier().unspotted);
}

TEST_F(Spotting, EnemyWithATargetOnlySeesAndTheNextOneIsAsked) {
    const int32_t busy = addWatcher(0, 6);
    const int32_t second = addWatcher(2, 6);
    units[busy].targetIndex = guard;
    ScriptedPlatform play;
    moveTo(2, 1, play);
    EXPECT_EQ(units[busy].targetIndex, guard);
    EXPECT_EQ(units[busy].alerted, 0);
    EXPECT_EQ(units[second].alerted, 1);
    EXPECT_EQ(units[second].targetIndex, soldier);
}

TEST_F(Spotting, UnseenSoldierSlipsThroughCoverASeenOneCannot) {
    // A line of cover from top to bottom between the soldier and its target.
    for (int32_t y = 0; y < 8; ++y)
        mapCells[cellIndex(2, y)] = CELL_WALL2;
    {
        ScriptedPlatform play;
        moveTo(3, 1, play);
        EXPECT_EQ(theSoldier().x, 3) << "nobody sees it";
        EXPECT_TRUE(theSoldier().unspotted);
    }
    theSoldier().x = 1;
    occupancy[cellIndex(3, 1)] = 0;
    occupancy[cellIndex(1, 1)] = 1;
    theSoldier().actionPoints = 7;
    buttonHeld = false;
    addWatcher(0, 6);
    {
        ScriptedPlatform play;
        moveTo(3, 1, play);
        EXPECT_EQ(theSoldier().x, 1) << "seen before the step, the cover is closed";
        EXPECT_FALSE(theSoldier().unspotted);
    }
}

// The panel reads the live pointer through the platform table in every frame of
// a move; the cursor feedback keeps the position sampled when the move began.
TEST_F(Move, DuringAMoveThePanelShowsTheHealthBarOfTheEnemyNowUnderThePointer) {
    ScriptedPlatform play;
    int32_t framesWithBar = 0;
    int32_t framesDuringMove = 0;
    play.onPresent = [&](BITMAP* frame) {
        if (theSoldier().x < 2 || theSoldier().x > 3)
            return;
        ++framesDuringMove;
        // The guard's tile: x 580 to 639, its bar on rows 396 and 397.
        framesWithBar += allColour(frame, 583, 396, 637, 397, RED) &&
                         countColour(frame, 580, 350, 639, 399, NOWALK) == 0 &&
                         countColour(frame, 580, 350, 639, 399, TARGET) == 0;
    };
    play.hold(pressAtCell(4, 1), 1).hold(pointerAtCell(7, 7), 15).hold(escape());
    runTurnLoop();
    ASSERT_EQ(theSoldier().x, 4);
    EXPECT_GT(framesDuringMove, 0);
    EXPECT_EQ(framesWithBar, framesDuringMove);
}
