#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "game_files.h"
#include "world/game_state.h"
#include "world/random.h"
#include "world/squad_stats.h"
#include "world/unit_generation.h"
#include "world/weapons.h"

namespace {
class SquadStats : public GameFilesTest {
  protected:
    // A 12 x 12 open floor with count units, squad first, freshly generated.
    void generate(int32_t count, int32_t squad) {
        mapWidth = mapHeight = 12;
        mapCells.assign(144, CELL_FLOOR);
        occupancy.assign(144, 0);
        units.assign(count, Unit{});
        turnOrder.assign(count, 0);
        unitCount = count;
        squadSize = squad;
        generateUnits(count, units.data(), squad, mapWidth);
        generated = units;
    }

    bool read(const std::string& text) {
        writeText("stats.txt", text);
        return readSquadStats(".//stats.txt", units.data());
    }

    std::vector<Unit> generated;
};

void expectWeapon(const Unit& u, int32_t damageMax, int32_t longRange, int32_t shortRange) {
    EXPECT_EQ(u.damageMax, damageMax);
    EXPECT_EQ(u.longRange, longRange);
    EXPECT_EQ(u.shortRange, shortRange);
}

void expectSameStats(const Unit& a, const Unit& b) {
    EXPECT_EQ(a.speed, b.speed);
    EXPECT_EQ(a.dodge, b.dodge);
    EXPECT_EQ(a.accuracy, b.accuracy);
    EXPECT_EQ(a.strength, b.strength);
    EXPECT_EQ(a.damageMax, b.damageMax);
    EXPECT_EQ(a.longRange, b.longRange);
    EXPECT_EQ(a.shortRange, b.shortRange);
    EXPECT_EQ(a.weaponSound, b.weaponSound);
    EXPECT_EQ(a.health, b.health);
    EXPECT_EQ(a.maxHealth, b.maxHealth);
}
} // namespace

TEST_F(SquadStats, AMissingFileKeepsTheGeneratedSquad) {
    generate(6, 4);
    const uint32_t before = randomState();
    EXPECT_FALSE(readSquadStats(".//stats.txt", units.data()));
    for (int32_t i = 0; i < 6; ++i)
        expectSameStats(units[i], generated[i]);
    EXPECT_EQ(randomState(), before);
}

TEST_F(SquadStats, EachKindSetsItsWeaponAndDrawsANewSound) {
    generate(6, 4);
    TestRandom r{randomState()};
    ASSERT_TRUE(read("8 6 5 7 0\n"
                     "6 7 8 9 1\n"
                     "9 5 6 5 2\n"
                     "5 5 5 5 3\n"));
    const int32_t stats[4][4] = {{8, 6, 5, 7}, {6, 7, 8, 9}, {9, 5, 6, 5}, {5, 5, 5, 5}};
    for (int32_t s = 0; s < 4; ++s) {
        EXPECT_EQ(units[s].speed, stats[s][0]) << s;
        EXPECT_EQ(units[s].dodge, stats[s][1]) << s;
        EXPECT_EQ(units[s].accuracy, stats[s][2]) << s << ": a file's 5 is not raised";
        EXPECT_EQ(units[s].strength, stats[s][3]) << s;
        EXPECT_EQ(units[s].health, SQUAD_HEALTH) << s;
        EXPECT_EQ(units[s].actionPoints, generated[s].actionPoints) << s;
    }
    expectWeapon(units[0], 4, 10, 6);
    expectWeapon(units[1], 8, 8, 4);
    expectWeapon(units[2], 6, 15, 8);
    expectWeapon(units[3], 4, 10, 6);
    EXPECT_EQ(units[0].weaponSound, r.next() % 3);
    EXPECT_EQ(units[1].weaponSound, r.next() % 3);
    EXPECT_EQ(units[2].weaponSound, r.next() % 3);
    EXPECT_EQ(units[3].weaponSound, generated[3].weaponSound) << "kind 3 keeps the weapon";
    EXPECT_EQ(randomState(), r.state) << "kind 3 draws nothing";
    for (int32_t i = 4; i < 6; ++i)
        expectSameStats(units[i], generated[i]);
}

TEST_F(SquadStats, EntriesForAbsentSlotsTouchNoEnemyButStillDraw) {
    generate(4, 2);
    TestRandom r{randomState()};
    ASSERT_TRUE(read("8 8 8 8 3\n"
                     "6 6 6 6 3\n"
                     "9 9 9 9 1\n"
                     "7 7 7 7 0\n"));
    EXPECT_EQ(units[0].speed, 8);
    EXPECT_EQ(units[1].speed, 6);
    expectSameStats(units[2], generated[2]);
    expectSameStats(units[3], generated[3]);
    r.next();
    r.next();
    EXPECT_EQ(randomState(), r.state) << "the two unused entries of kinds 1 and 0 drew";
}

TEST_F(SquadStats, AFloorWithOneUnitIsNeverWrittenPast) {
    generate(1, 1);
    ASSERT_TRUE(read("5 6 7 8 2\n9 9 9 9 2\n9 9 9 9 2\n9 9 9 9 2\n"));
    EXPECT_EQ(units[0].speed, 5);
    expectWeapon(units[0], 6, 15, 8);
}

TEST_F(SquadStats, NumbersReadAsPercentIWhateverTheirLength) {
    generate(4, 4);
    TestRandom r{randomState()};
    ASSERT_TRUE(read("9 5 0x6 05 1\n" + std::string(40, '0') + "7 +6 -0 0X1f 2\n"));
    EXPECT_EQ(units[0].accuracy, 6) << "hexadecimal";
    EXPECT_EQ(units[0].strength, 5) << "octal";
    expectWeapon(units[0], 8, 8, 4);
    EXPECT_EQ(units[0].weaponSound, r.next() % 3);
    EXPECT_EQ(units[1].speed, 7) << "a zero-padded number of 41 digits";
    EXPECT_EQ(units[1].dodge, 6);
    EXPECT_EQ(units[1].accuracy, 0);
    EXPECT_EQ(units[1].strength, 31);
    expectWeapon(units[1], 6, 15, 8);
    EXPECT_EQ(units[1].weaponSound, r.next() % 3);
    expectSameStats(units[2], generated[2]);
    EXPECT_EQ(randomState(), r.state);
}

// Each value is one "%i" conversion going on from where the last one
// stopped; one that fails keeps what the field had, and a weapon kind that
// fails names no weapon, whatever the entry before named.
TEST_F(SquadStats, EachValueIsOnePercentIConversionThroughTheSameBytes) {
    const auto KEPT = std::nullopt;
    struct Case {
        const char* text;
        std::optional<int32_t> entries[2][5]; // slots 0 and 1: four statistics, then the kind
    };
    const Case cases[] = {
        {"8 7x 6 7 2\n6 7 8 9 1\n", {{8, 7, KEPT, KEPT, KEPT}, {KEPT, KEPT, KEPT, KEPT, KEPT}}},
        {"8 fast 6 7 2\n", {{8, KEPT, KEPT, KEPT, KEPT}, {KEPT, KEPT, KEPT, KEPT, KEPT}}},
        {"8 08 6 7\n", {{8, 0, 8, 6, 7}, {KEPT, KEPT, KEPT, KEPT, KEPT}}},
        {"8 1-4 6 2\n", {{8, 1, -4, 6, 2}, {KEPT, KEPT, KEPT, KEPT, KEPT}}},
        {"8 + 6 7 2 -\n9", {{8, KEPT, 6, 7, 2}, {KEPT, 9, KEPT, KEPT, KEPT}}},
        {"8 6 7 5 2\n6 7 8 9 -\n", {{8, 6, 7, 5, 2}, {6, 7, 8, 9, KEPT}}},
        {"8 0x 6 7 2\n", {{8, KEPT, 6, 7, 2}, {KEPT, KEPT, KEPT, KEPT, KEPT}}},
        {"8 2147483648 6 7 2\n", {{8, KEPT, 6, 7, 2}, {KEPT, KEPT, KEPT, KEPT, KEPT}}},
        {"8 -2147483648 6 7 2x\n6 7 8 9 1\n",
         {{8, INT32_MIN, 6, 7, 2}, {KEPT, KEPT, KEPT, KEPT, KEPT}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        generate(4, 4);
        TestRandom r{randomState()};
        ASSERT_TRUE(read(c.text));
        for (int32_t s = 0; s < 2; ++s) {
            const std::optional<int32_t>* e = c.entries[s];
            const Unit& u = units[s];
            const Unit& g = generated[s];
            EXPECT_EQ(u.speed, e[0].value_or(g.speed)) << s;
            EXPECT_EQ(u.dodge, e[1].value_or(g.dodge)) << s;
            EXPECT_EQ(u.accuracy, e[2].value_or(g.accuracy)) << s;
            EXPECT_EQ(u.strength, e[3].value_or(g.strength)) << s;
            const bool armed = e[4] == 2;
            expectWeapon(u, armed ? 6 : g.damageMax, armed ? 15 : g.longRange,
                         armed ? 8 : g.shortRange);
            EXPECT_EQ(u.weaponSound, armed ? r.next() % 3 : g.weaponSound) << s;
        }
        for (int32_t s = 2; s < 4; ++s)
            expectSameStats(units[s], generated[s]);
        EXPECT_EQ(randomState(), r.state) << "one draw per entry of a known kind";
    }
}
