#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "combat/shot.h"
#include "support/test_floor.h"
#include "world/random.h"
#include "world/settings.h"

namespace {
// The generator worked out here, so expected rolls do not come from the code
// under test.
uint32_t next(uint32_t s) {
    return s * 214013u + 2531011u;
}
int32_t drawAfter(uint32_t s) {
    return static_cast<int32_t>((next(s) >> 16) & 0x7FFF);
}

struct Draws {
    int32_t first, second, third;
    uint32_t afterTwo, afterThree;
};
Draws drawsFrom(uint32_t s) {
    return {drawAfter(s), drawAfter(next(s)), drawAfter(next(next(s))), next(next(s)),
            next(next(next(s)))};
}
uint32_t firstStateWhere(const std::function<bool(const Draws&)>& wanted) {
    uint32_t s = 1;
    while (!wanted(drawsFrom(s)))
        ++s;
    return s;
}

// A soldier at (0,0) facing an enemy dx, dy away.
struct Duel {
    Unit& shooter() { return units[0]; }
    Unit& target() { return units[1]; }
};
Duel duelAt(int32_t dx, int32_t dy) {
    buildFloor({"............"});
    addUnit(SIDE_SQUAD, 0, 0);
    addUnit(SIDE_ENEMY, dx, dy);
    return {};
}

constexpr int32_t ACCURACY = 20;
constexpr int32_t DODGE = 10;
constexpr int32_t LARGEST_PENALTY = 3;

// A shot hits when its margin reaches the penalty, so the smallest margin that
// still hits is the penalty the distance carried.
int32_t observedPenalty(Duel duel) {
    duel.shooter().accuracy = ACCURACY;
    duel.target().dodge = DODGE;
    for (int32_t margin = 0; margin <= LARGEST_PENALTY; ++margin) {
        setRandomState(firstStateWhere(
            [&](const Draws& d) { return d.first % ACCURACY - d.second % DODGE == margin; }));
        if (rollHit(duel.shooter(), duel.target()))
            return margin;
    }
    return -1;
}

std::vector<int32_t> soundsPlayed;
uint32_t stateAtSound;
int32_t timerAtSound;
void recordSound(int32_t weaponSound) {
    soundsPlayed.push_back(weaponSound);
    stateAtSound = randomState();
    timerAtSound = shotTimer;
}

class Shot : public ::testing::Test {
  protected:
    void SetUp() override {
        soundsPlayed.clear();
        setShotSoundPlayer(recordSound);
        shotShowTicks = 25;
    }
    void TearDown() override { setShotSoundPlayer(nullptr); }
};
} // namespace

TEST(Distance, IsTheStraightLineBetweenCells) {
    EXPECT_EQ(distance(0, 0, 3, 4), 5.0f);
    EXPECT_EQ(distance(3, 4, 0, 0), 5.0f);
    EXPECT_EQ(distance(0, 0, 1, 1), static_cast<float>(std::sqrt(2.0)));
    EXPECT_EQ(distance(5, 7, 5, 7), 0.0f);
}

TEST(RangePenalty, BothRangeComparisonsAreStrict) {
    // Ranges 6 and 10.
    EXPECT_EQ(observedPenalty(duelAt(6, 0)), 0);
    EXPECT_EQ(observedPenalty(duelAt(1, 6)), 1); // 6.08
    EXPECT_EQ(observedPenalty(duelAt(0, 10)), 1);
    EXPECT_EQ(observedPenalty(duelAt(10, 1)), 3); // 10.05
}

TEST(HitRule, AccuracyRollAfterPenaltyMustReachTheDodgeRoll) {
    Duel duel = duelAt(1, 0);
    duel.shooter().accuracy = ACCURACY;
    duel.target().dodge = DODGE;
    for (int32_t margin : {0, -1}) {
        setRandomState(firstStateWhere(
            [&](const Draws& d) { return d.first % ACCURACY - d.second % DODGE == margin; }));
        EXPECT_EQ(rollHit(duel.shooter(), duel.target()), margin == 0);
    }
}

TEST(HitRule, AccuracyOrDodgeBelowOneCountsAsOne) {
    Duel near = duelAt(1, 0);
    for (uint32_t s = 1; s < 100; ++s) {
        near.shooter().accuracy = 0;
        near.target().dodge = 0;
        setRandomState(s);
        EXPECT_TRUE(rollHit(near.shooter(), near.target()));
        EXPECT_EQ(randomState(), drawsFrom(s).afterTwo) << "both rolls are still drawn";

        near.shooter().accuracy = -3;
        near.target().dodge = 5;
        setRandomState(s);
        EXPECT_EQ(rollHit(near.shooter(), near.target()), drawsFrom(s).second % 5 == 0);
    }
    Duel far = duelAt(7, 0); // the penalty now makes every such shot a miss
    far.shooter().accuracy = 0;
    far.target().dodge = 0;
    EXPECT_FALSE(rollHit(far.shooter(), far.target()));
}

TEST(Damage, StaysBetweenOneAndDamageMax) {
    Duel duel = duelAt(1, 0);
    bool seen[5] = {};
    for (uint32_t s = 1; s < 100; ++s) {
        setRandomState(s);
        duel.shooter().damageMax = 1;
        EXPECT_EQ(rollDamage(duel.shooter(), duel.target()), 1);
        duel.shooter().damageMax = 0;
        EXPECT_EQ(rollDamage(duel.shooter(), duel.target()), 1);

        setRandomState(s);
        duel.shooter().damageMax = 4;
        const int32_t damage = rollDamage(duel.shooter(), duel.target());
        ASSERT_EQ(damage, drawsFrom(s).first % 4 + 1);
        seen[damage] = true;
    }
    EXPECT_TRUE(seen[1] && seen[2] && seen[3] && seen[4]);
}

TEST_F(Shot, AHitDrawsAccuracyDodgeAndDamageInThatOrder) {
    Duel duel = duelAt(1, 0);
    duel.shooter().accuracy = 997;
    duel.target().dodge = 13;
    duel.shooter().damageMax = 1000;
    duel.target().health = 2000;
    // Rolls that hit in this order but would miss with the two swapped.
    const uint32_t s = firstStateWhere([](const Draws& d) {
        return d.first % 997 >= d.second % 13 && d.second % 997 < d.first % 13;
    });
    setRandomState(s);
    fireShot(duel.shooter(), duel.target());
    EXPECT_EQ(shotDamage, drawsFrom(s).third % 1000 + 1);
    EXPECT_EQ(duel.target().health, 2000 - shotDamage);
    EXPECT_EQ(randomState(), drawsFrom(s).afterThree);
}

TEST_F(Shot, AMissDrawsTwoAndShowsNoDamage) {
    Duel duel = duelAt(1, 0);
    duel.shooter().accuracy = 997;
    duel.target().dodge = 13;
    const uint32_t s = firstStateWhere([](const Draws& d) {
        return d.first % 997 < d.second % 13 && d.second % 997 >= d.first % 13;
    });
    shotDamage = 6; // left from an earlier shot
    setRandomState(s);
    fireShot(duel.shooter(), duel.target());
    EXPECT_EQ(shotDamage, 0);
    EXPECT_EQ(duel.target().health, 20);
    EXPECT_EQ(randomState(), drawsFrom(s).afterTwo);
}

TEST_F(Shot, StartsTheDisplayAndPlaysTheWeaponBeforeRolling) {
    for (int32_t sound = 0; sound < 3; ++sound) {
        Duel duel = duelAt(2, 0);
        duel.shooter().weaponSound = sound;
        soundsPlayed.clear();
        setRandomState(77);
        fireShot(duel.shooter(), duel.target());
        ASSERT_EQ(soundsPlayed, std::vector<int32_t>{sound});
        EXPECT_EQ(stateAtSound, 77u);
        EXPECT_EQ(timerAtSound, 25);
        EXPECT_EQ(shotTarget, 1);
        EXPECT_EQ(shotShooter, 0);
    }
}

TEST_F(Shot, AnUnknownWeaponSoundIsSilentAndTheShotGoesOn) {
    Duel duel = duelAt(1, 0);
    duel.target().dodge = 1; // every shot at this range hits
    for (int32_t sound : {3, -1}) {
        duel.shooter().weaponSound = sound;
        setRandomState(5);
        const int32_t before = duel.target().health;
        fireShot(duel.shooter(), duel.target());
        EXPECT_TRUE(soundsPlayed.empty());
        EXPECT_EQ(shotDamage, drawsFrom(5).third % 4 + 1);
        EXPECT_EQ(duel.target().health, before - shotDamage);
    }
    setShotSoundPlayer(nullptr);
    duel.shooter().weaponSound = 0;
    fireShot(duel.shooter(), duel.target());
    EXPECT_TRUE(soundsPlayed.empty());
}

TEST_F(Shot, ATargetOutsideTheUnitsIsShownAsNobody) {
    Duel duel = duelAt(1, 0);
    Unit stray = duel.target();
    shotTarget = 0;
    fireShot(duel.shooter(), stray);
    EXPECT_EQ(shotTarget, NO_UNIT);
}
