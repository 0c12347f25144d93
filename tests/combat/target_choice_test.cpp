#include <gtest/gtest.h>

#include "combat/target_choice.h"
#include "support/test_floor.h"

namespace {
constexpr int32_t SQUAD = 4;

// Four soldiers (0-3) and two enemies (4, 5); enemy 4 is choosing.
class TargetChoice : public ::testing::Test {
  protected:
    void SetUp() override {
        buildFloor({"........", "........", "........", "........"});
        for (int32_t i = 0; i < SQUAD; ++i)
            addUnit(SIDE_SQUAD, 0, i);
        chooser = addUnit(SIDE_ENEMY, 7, 0);
        addUnit(SIDE_ENEMY, 7, 1);
    }

    void giveSquad(int32_t Unit::*field, std::initializer_list<int32_t> values) {
        int32_t i = 0;
        for (int32_t v : values)
            units[i++].*field = v;
    }

    int32_t chooseBy(int32_t rule) {
        units[chooser].targetPreference = rule;
        return chooseTarget(units.data(), chooser, unitCount);
    }

    int32_t chooser = 0;
};

struct Rule {
    int32_t preference;
    int32_t Unit::*field;
};
const Rule LOWEST_RULES[] = {
    {1, &Unit::strength}, {2, &Unit::dodge}, {3, &Unit::speed}, {4, &Unit::health}};
int32_t Unit::*const ALL_FIELDS[] = {&Unit::strength, &Unit::dodge, &Unit::speed, &Unit::health};
} // namespace

TEST_F(TargetChoice, EachRuleComparesItsOwnValueAndATieGoesToTheLowerIndex) {
    // Decoys: a rule reading the wrong value would pick soldier 0 or 3.
    for (int32_t Unit::*field : ALL_FIELDS)
        giveSquad(field, {1, 2, 50, 60});

    giveSquad(&Unit::strength, {6, 9, 9, 5});
    EXPECT_EQ(chooseBy(0), 1);
    EXPECT_EQ(units[chooser].targetIndex, 1);

    for (const Rule& rule : LOWEST_RULES) {
        for (int32_t Unit::*field : ALL_FIELDS)
            giveSquad(field, {1, 2, 50, 60});
        giveSquad(rule.field, {6, 3, 3, 5});
        EXPECT_EQ(chooseBy(rule.preference), 1) << "rule " << rule.preference;
        EXPECT_EQ(units[chooser].targetIndex, 1);
    }
}

TEST_F(TargetChoice, SkipsItselfItsOwnSideAndTheDead) {
    units[chooser].strength = 1;
    units[5].strength = 1;
    giveSquad(&Unit::strength, {1, 8, 4, 6});
    units[0].health = 0;
    EXPECT_EQ(chooseBy(1), 2);

    giveSquad(&Unit::strength, {99, 8, 4, 6});
    units[chooser].strength = units[5].strength = 99;
    EXPECT_EQ(chooseBy(0), 1);

    // One who left by the exit is still a candidate.
    units[3].onFloor = false;
    giveSquad(&Unit::speed, {7, 7, 7, 2});
    EXPECT_EQ(chooseBy(3), 3);
}

TEST_F(TargetChoice, TheHighestRuleTakesAnyStatistic) {
    giveSquad(&Unit::strength, {0, 0, 0, 0});
    EXPECT_EQ(chooseBy(0), 0);
    giveSquad(&Unit::strength, {100, 250, 100, 250});
    EXPECT_EQ(chooseBy(0), 1);
}

TEST_F(TargetChoice, NobodyAtOrPastTheBoundOfALowestRule) {
    for (const Rule& rule : LOWEST_RULES) {
        giveSquad(rule.field, {100, 150, 100, 200});
        units[chooser].targetIndex = 3;
        EXPECT_EQ(chooseBy(rule.preference), NO_UNIT) << "rule " << rule.preference;
        EXPECT_EQ(units[chooser].targetIndex, NO_UNIT);
        giveSquad(rule.field, {100, 150, 99, 200});
        EXPECT_EQ(chooseBy(rule.preference), 2) << "rule " << rule.preference;
    }
}

TEST_F(TargetChoice, AnUnknownRuleChoosesNobody) {
    for (int32_t rule : {5, -1, 100}) {
        units[chooser].targetIndex = 0;
        EXPECT_EQ(chooseBy(rule), NO_UNIT);
        EXPECT_EQ(units[chooser].targetIndex, NO_UNIT);
    }
}

TEST_F(TargetChoice, LooksOnlyAtTheFirstCountUnits) {
    giveSquad(&Unit::health, {20, 15, 3, 1});
    units[chooser].targetPreference = 4;
    EXPECT_EQ(chooseTarget(units.data(), chooser, 2), 1);
    EXPECT_EQ(chooseTarget(units.data(), chooser, 0), NO_UNIT);
}
