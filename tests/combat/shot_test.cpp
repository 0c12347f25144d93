#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "combat/shot.h"
#include "support/test_floor.h"
#include "world/random.h"
#include "world/settings.h"

namespace {
// The generator worked out by hand, so the expected rolls do not come from the
// code under test.
uint32_t stepState(uint32_t s) {
    return s * 214013u + 2531011u;
}
int32_t valueAfter(uint32_t s) {
    return static_cast<int32_t>((stepState(s) >> 16) & 0x7FFF);
}

struct Draws {
    int32_t first, second, third;
    uint32_t afterTwo, afterThree;
};

Draws drawsFrom(uint32_t s) {
    Draws d{};
    d.first = valueAfter(s);
    s = stepState(s);
    d.second = valueAfter(s);
    s = stepState(s);
    d.afterTwo = s;
    d.third = valueAfter(s);
    d.afterThree = stepState(s);
    return d;
}

// The first state from which accuracy roll minus dodge roll is exactly margin.
uint32_t stateWithMargin(int32_t accuracy, int32_t dodge, int32_t margin) {
    for (uint32_t s = 1;; ++s) {
        const Draws d = drawsFrom(s);
        if (d.first % accuracy - d.second % dodge == margin)
            return s;
    }
}

struct Duel {
    int32_t shooter;
    int32_t target;
    Unit& a() { return units[shooter]; }
    Unit& t() { return units[target]; }
};

Duel duelAt(int32_t dx, int32_t dy) {
    buildFloor({"............", "............", "............", "............", "............",
                "............", "............", "............", "............", "............",
                "............", "............"});
    Duel duel{addUnit(SIDE_SQUAD, 0, 0), addUnit(SIDE_ENEMY, dx, dy)};
    return duel;
}

constexpr int32_t WIDE_ACCURACY = 20;
constexpr int32_t WIDE_DODGE = 10;
constexpr int32_t LARGEST_PENALTY = 3;

// A shot hits when its margin reaches the penalty, so the smallest margin that
// still hits is the penalty the distance carried.
int32_t observedPenalty(Duel duel) {
    duel.a().accuracy = WIDE_ACCURACY;
    duel.t().dodge = WIDE_DODGE;
    for (int32_t margin = 0; margin <= LARGEST_PENALTY; ++margin) {
        setRandomState(stateWithMargin(WIDE_ACCURACY, WIDE_DODGE, margin));
        if (rollHit(duel.a(), duel.t()))
            return margin;
    }
    return -1;
}

std::vector<int32_t> soundsPlayed;
uint32_t stateWhenSoundPlayed;
int32_t timerWhenSoundPlayed;
void recordSound(int32_t weaponSound) {
    soundsPlayed.push_back(weaponSound);
    stateWhenSoundPlayed = randomState();
    timerWhenSoundPlayed = shotTimer;
}

class ShotTest : public ::testing::Test {
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
    // Ranges 6 and 10, as a squad weapon has them.
    EXPECT_EQ(observedPenalty(duelAt(6, 0)), 0);
    EXPECT_EQ(observedPenalty(duelAt(1, 6)), 1); // 6.08
    EXPECT_EQ(observedPenalty(duelAt(0, 10)), 1);
    EXPECT_EQ(observedPenalty(duelAt(10, 1)), 3); // 10.05
}

TEST(RangePenalty, EqualRangesGoStraightFromNoneToThree) {
    Duel atRange = duelAt(8, 0);
    atRange.a().shortRange = atRange.a().longRange = 8;
    EXPECT_EQ(observedPenalty(atRange), 0);
    Duel past = duelAt(8, 1);
    past.a().shortRange = past.a().longRange = 8;
    EXPECT_EQ(observedPenalty(past), 3);
}

TEST(HitRule, EqualRollsHitAndALowerAccuracyRollMisses) {
    Duel duel = duelAt(1, 0);
    duel.a().accuracy = WIDE_ACCURACY;
    duel.t().dodge = WIDE_DODGE;
    setRandomState(stateWithMargin(WIDE_ACCURACY, WIDE_DODGE, 0));
    EXPECT_TRUE(rollHit(duel.a(), duel.t()));
    setRandomState(stateWithMargin(WIDE_ACCURACY, WIDE_DODGE, -1));
    EXPECT_FALSE(rollHit(duel.a(), duel.t()));
}

TEST(HitRule, AccuracyOrDodgeBelowOneCountsAsOne) {
    Duel duel = duelAt(1, 0);
    duel.a().accuracy = 0;
    duel.t().dodge = 0;
    for (uint32_t s = 1; s < 200; ++s) {
        setRandomState(s);
        EXPECT_TRUE(rollHit(duel.a(), duel.t())) << "state " << s;
        EXPECT_EQ(randomState(), drawsFrom(s).afterTwo) << "both rolls are still drawn";
    }

    // An accuracy of nothing only hits when the dodge roll is 0 too.
    duel.a().accuracy = -3;
    duel.t().dodge = 5;
    for (uint32_t s = 1; s < 200; ++s) {
        setRandomState(s);
        EXPECT_EQ(rollHit(duel.a(), duel.t()), drawsFrom(s).second % 5 == 0) << "state " << s;
    }

    // Past the short range the penalty makes every such shot a miss.
    Duel far = duelAt(7, 0);
    far.a().accuracy = 0;
    far.t().dodge = 0;
    for (uint32_t s = 1; s < 200; ++s) {
        setRandomState(s);
        EXPECT_FALSE(rollHit(far.a(), far.t())) << "state " << s;
    }
}

TEST(Damage, StaysBetweenOneAndDamageMax) {
    Duel duel = duelAt(1, 0);
    duel.a().damageMax = 1;
    for (uint32_t s = 1; s < 100; ++s) {
        setRandomState(s);
        EXPECT_EQ(rollDamage(duel.a(), duel.t()), 1);
    }
    duel.a().damageMax = 0;
    setRandomState(9);
    EXPECT_EQ(rollDamage(duel.a(), duel.t()), 1);

    duel.a().damageMax = 4;
    bool seen[5] = {};
    for (uint32_t s = 1; s < 100; ++s) {
        setRandomState(s);
        const int32_t damage = rollDamage(duel.a(), duel.t());
        ASSERT_GE(damage, 1);
        ASSERT_LE(damage, 4);
        EXPECT_EQ(damage, drawsFrom(s).first % 4 + 1);
        seen[damage] = true;
    }
    EXPECT_TRUE(seen[1] && seen[2] && seen[3] && seen[4]);
}

TEST_F(ShotTest, AHitDrawsAccuracyDodgeAndDamageInThatOrder) {
    Duel duel = duelAt(1, 0);
    duel.a().accuracy = 997;
    duel.t().dodge = 13;
    duel.a().damageMax = 1000;
    duel.t().health = 2000;
    // A state where the rolls hit only in this order, not with the two swapped.
    uint32_t s = 1;
    for (;; ++s) {
        const Draws d = drawsFrom(s);
        if (d.first % 997 >= d.second % 13 && d.second % 997 < d.first % 13)
            break;
    }
    const Draws d = drawsFrom(s);
    setRandomState(s);
    fireShot(duel.a(), duel.t());
    EXPECT_EQ(shotDamage, d.third % 1000 + 1);
    EXPECT_EQ(duel.t().health, 2000 - shotDamage);
    EXPECT_EQ(randomState(), d.afterThree);
}

TEST_F(ShotTest, AMissDrawsTwoAndShowsNoDamage) {
    Duel duel = duelAt(1, 0);
    duel.a().accuracy = 997;
    duel.t().dodge = 13;
    uint32_t s = 1;
    for (;; ++s) {
        const Draws d = drawsFrom(s);
        if (d.first % 997 < d.second % 13 && d.second % 997 >= d.first % 13)
            break;
    }
    shotDamage = 6; // left over from an earlier shot
    setRandomState(s);
    fireShot(duel.a(), duel.t());
    EXPECT_EQ(shotDamage, 0);
    EXPECT_EQ(duel.t().health, 20);
    EXPECT_EQ(randomState(), drawsFrom(s).afterTwo);
}

TEST_F(ShotTest, StartsTheDisplayAndPlaysTheWeaponBeforeRolling) {
    for (int32_t sound = 0; sound < 3; ++sound) {
        Duel duel = duelAt(2, 0);
        duel.a().weaponSound = sound;
        soundsPlayed.clear();
        shotTimer = 0;
        setRandomState(77);
        fireShot(duel.a(), duel.t());
        ASSERT_EQ(soundsPlayed, std::vector<int32_t>{sound});
        EXPECT_EQ(stateWhenSoundPlayed, 77u);
        EXPECT_EQ(timerWhenSoundPlayed, 25);
        EXPECT_EQ(shotTimer, 25);
        EXPECT_EQ(shotTarget, duel.target);
    }
}

TEST_F(ShotTest, AnUnknownWeaponSoundIsSilentAndTheShotGoesOn) {
    Duel duel = duelAt(1, 0);
    duel.t().dodge = 1; // every shot at this range hits
    for (int32_t sound : {3, -1}) {
        duel.a().weaponSound = sound;
        duel.t().health = 20;
        setRandomState(5);
        fireShot(duel.a(), duel.t());
        EXPECT_TRUE(soundsPlayed.empty());
        EXPECT_EQ(shotDamage, drawsFrom(5).third % 4 + 1);
        EXPECT_EQ(duel.t().health, 20 - shotDamage);
    }
}

TEST_F(ShotTest, NoPlayerPlaysNothing) {
    setShotSoundPlayer(nullptr);
    Duel duel = duelAt(1, 0);
    fireShot(duel.a(), duel.t());
    EXPECT_TRUE(soundsPlayed.empty());
    EXPECT_EQ(shotTimer, 25);
}

TEST_F(ShotTest, AKillingHitLeavesTheRestOfTheTargetAlone) {
    Duel duel = duelAt(1, 0);
    duel.t().dodge = 1;
    duel.a().damageMax = 1;
    duel.t().health = 1;
    const Unit before = duel.t();
    fireShot(duel.a(), duel.t());
    EXPECT_EQ(duel.t().health, 0);
    EXPECT_EQ(duel.t().x, before.x);
    EXPECT_EQ(duel.t().y, before.y);
    EXPECT_EQ(duel.t().actionPoints, before.actionPoints);
    EXPECT_EQ(duel.t().alerted, before.alerted);
    EXPECT_EQ(duel.t().targetIndex, before.targetIndex);
    EXPECT_EQ(duel.t().maxHealth, before.maxHealth);
    EXPECT_EQ(duel.a().health, 20);
}

TEST_F(ShotTest, ATargetOutsideTheUnitsIsShownAsNobody) {
    Duel duel = duelAt(1, 0);
    Unit stray = duel.t();
    shotTarget = duel.shooter;
    fireShot(duel.a(), stray);
    EXPECT_EQ(shotTarget, NO_UNIT);
}
