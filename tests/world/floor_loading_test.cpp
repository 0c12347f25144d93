#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "game_files.h"
#include "support/game_state_snapshot.h"
#include "path/passability.h"
#include "path/path_search.h"
#include "world/floor_loading.h"
#include "world/game_state.h"
#include "world/random.h"
#include "world/turn_order.h"

namespace {
class FloorLoading : public GameFilesTest {
  protected:
    void TearDown() override {
        setMapRedrawHook(nullptr);
        GameFilesTest::TearDown();
    }
};

const MapGrid walledMap = gridOf({".#...#..", //
                                  ".c.##.##", //
                                  "..##.#.c", //
                                  "#.#.E#..", //
                                  "..c##..#", //
                                  "###.#.#.", //
                                  "..#c#.#.", //
                                  "#...##.."});

MapGrid openMap(int32_t side) {
    MapGrid grid;
    grid.width = grid.height = side;
    grid.cells.assign(static_cast<size_t>(side) * side, CELL_FLOOR);
    return grid;
}

void writeFloors(const std::vector<FloorRecord>& floors, const MapGrid& grid) {
    writeMissionList(floors);
    for (const FloorRecord& f : floors)
        writeRawMap(f.mapPath, grid);
}

struct Expectation {
    std::vector<Unit> units;
    std::vector<Medkit> medkits;
    std::vector<int32_t> cells;
    uint32_t finalState = 0;
    int32_t patrolAttempts = 0;
    int32_t medkitAttempts = 0;
};

// The walled map, 2 soldiers and 3 guards, 3 medkits, the stats below;
// worked out draw by draw from the generator formula.
const char* const walledStats = "8 6 5 7 2\n6 7 8 9 3\n5 5 5 5 1\n9 9 9 9 0\n";

bool patrolCell(int32_t code) {
    return code != CELL_WALL && code != CELL_EXIT;
}

Unit expectedUnit(TestRandom& r, int32_t i, int32_t squad, const MapGrid& map, Expectation& e) {
    const int32_t side = map.width;
    Unit u{};
    u.speed = r.next() % 5 + 5;
    u.dodge = r.next() % 5 + 5;
    u.reservedStat = r.next() % 5 + 5;
    u.accuracy = r.next() % 5 + 5;
    u.strength = r.next() % 5 + 5;
    u.attackRange = r.next() % 5 + 7;
    u.targetPreference = r.next() % 5;
    r.next();
    u.weaponSound = r.next() % 3;
    u.targetIndex = -1;
    u.onFloor = true;
    if (i < squad) {
        u.x = 1, u.y = i + 1, u.side = 1, u.unspotted = true;
        u.accuracy += u.accuracy == 5 ? 2 : 0;
        u.health = u.maxHealth = 20;
        u.damageMax = 4, u.longRange = 10, u.shortRange = 6;
        return u;
    }
    u.x = side - 1, u.y = side - 1 - (i - squad), u.side = -1;
    u.health = u.maxHealth = 9;
    u.damageMax = 7, u.longRange = 10, u.shortRange = 5;
    for (auto& point : u.patrolPoints) {
        do {
            point[0] = r.next() % side;
            point[1] = r.next() % side;
            ++e.patrolAttempts;
        } while (!patrolCell(cellOf(map, point[0], point[1])));
    }
    return u;
}

Expectation expectWalledFloor() {
    TestRandom r;
    Expectation e;
    for (int32_t i = 0; i < 5; ++i)
        e.units.push_back(expectedUnit(r, i, 2, walledMap, e));
    // Stats file: slot 0 kind 2 with a fresh sound, slot 1 kind 3 keeps its
    // rifle, slots 2 and 3 belong to nobody but their kinds 1 and 0 draw.
    Unit& first = e.units[0];
    first.speed = 8, first.dodge = 6, first.accuracy = 5, first.strength = 7;
    first.damageMax = 6, first.longRange = 15, first.shortRange = 8;
    first.weaponSound = r.next() % 3;
    Unit& second = e.units[1];
    second.speed = 6, second.dodge = 7, second.accuracy = 8, second.strength = 9;
    r.next();
    r.next();
    for (Unit& u : e.units)
        u.actionPoints = u.speed; // the first round already runs on the file's speed
    e.cells = walledMap.cells;
    for (int32_t k = 0; k < 3; ++k) {
        Medkit m{0, 0, 1};
        do {
            m.x = r.next() % 8;
            m.y = r.next() % 8;
            ++e.medkitAttempts;
        } while (e.cells[m.y * 8 + m.x] != CELL_FLOOR);
        e.cells[m.y * 8 + m.x] = CELL_MEDKIT;
        e.medkits.push_back(m);
    }
    e.finalState = r.state;
    return e;
}

int32_t redrawCount = 0;
int32_t medkitCellsAtRedraw = 0;
void countRedraw() {
    ++redrawCount;
    medkitCellsAtRedraw =
        static_cast<int32_t>(std::count(mapCells.begin(), mapCells.end(), CELL_MEDKIT));
}

// Slots that advanceTurn hands the turn to in one round, from slot 0.
std::vector<int32_t> actingUnitsAfterSlotZero() {
    std::vector<int32_t> acting;
    int32_t slot = 0;
    while (advanceTurn(slot, units.data()) == TURN_NEXT)
        acting.push_back(turnOrder[slot]);
    return acting;
}
} // namespace

TEST_F(FloorLoading, AFullLoadMatchesTheDrawsWorkedOutByHand) {
    writeFloors({{".//Data//Missions//w.map", 5, 2, 3}}, walledMap);
    writeText("stats.txt", walledStats);
    setMapRedrawHook(countRedraw);
    redrawCount = 0;
    shotTimer = 5;
    turnSlot = 3;
    ASSERT_TRUE(loadFloor(1)) << floorLoadError();
    EXPECT_EQ(floorLoadError(), "");
    const Expectation e = expectWalledFloor();
    ASSERT_GT(e.patrolAttempts, 6) << "the map should make some patrol draws miss";
    ASSERT_GT(e.medkitAttempts, 3) << "the map should make some medkit draws miss";

    ASSERT_EQ(units.size(), 5u);
    for (int32_t i = 0; i < 5; ++i)
        EXPECT_TRUE(units[i] == e.units[i]) << "unit " << i;
    std::vector<int32_t> order{0, 1, 2, 3, 4};
    std::stable_sort(order.begin(), order.end(), [&](int32_t a, int32_t b) {
        return e.units[a].accuracy > e.units[b].accuracy;
    });
    EXPECT_EQ(turnOrder, order);
    EXPECT_TRUE(medkits == e.medkits);
    EXPECT_EQ(mapCells, e.cells);
    std::vector<int32_t> occupied(64, 0);
    for (const Unit& u : e.units)
        occupied[u.y * 8 + u.x] = 1;
    EXPECT_EQ(occupancy, occupied);
    EXPECT_EQ(randomState(), e.finalState) << "no draw more or less than worked out";

    EXPECT_EQ((std::vector<int32_t>{mapWidth, mapHeight, unitCount, squadSize, enemiesLeft,
                                    squadOnFloor, medkitCount, floorCount, turnSlot, shotTimer}),
              (std::vector<int32_t>{8, 8, 5, 2, 3, 2, 3, 1, 0, 0}));
    EXPECT_FALSE(allFloorsDone);
    EXPECT_EQ(redrawCount, 1);
    EXPECT_EQ(medkitCellsAtRedraw, 3) << "the picture is redrawn after the medkits are placed";
}

TEST_F(FloorLoading, ConfiguresTheSharedPathSearchForTheGame) {
    writeFloors({{".//Data//Missions//o.map", 2, 1, 0}}, openMap(6));
    pathSearch.costFn = nullptr;
    pathSearch.validFn = nullptr;
    pathSearch.childNotifyFn = canEnter;
    pathSearch.listNotifyFn = canEnter;
    pathSearch.costData = 5;
    pathSearch.notifyData = 6;
    ASSERT_TRUE(loadFloor(1)) << floorLoadError();
    EXPECT_EQ(pathSearch.costFn, stepCost);
    EXPECT_EQ(pathSearch.validFn, canEnter);
    EXPECT_EQ(pathSearch.childNotifyFn, nullptr);
    EXPECT_EQ(pathSearch.listNotifyFn, nullptr);
    EXPECT_EQ(pathSearch.costData, 0);
    EXPECT_EQ(pathSearch.notifyData, 0);
}

TEST_F(FloorLoading, ASquadOfSixTakesTheFieldAsFour) {
    writeFloors({{".//Data//Missions//o.map", 7, 6, 0}}, openMap(12));
    ASSERT_TRUE(loadFloor(1)) << floorLoadError();
    EXPECT_EQ(squadSize, 4);
    EXPECT_EQ(enemiesLeft, 3);
    EXPECT_EQ(squadOnFloor, 4);
    EXPECT_EQ(units[3].side, SIDE_SQUAD);
    EXPECT_EQ(units[4].side, SIDE_ENEMY);
    EXPECT_EQ(units[4].x, 11);
    EXPECT_EQ(units[4].y, 11);
}

TEST_F(FloorLoading, FloorThreeSkipsTheRecordsOfFloorsOneAndTwo) {
    // The first two maps do not exist: reading them would fail the load.
    writeMissionList({{".//Data//Missions//none1.map", 2, 1, 0},
                      {".//Data//Missions//none2.map", 3, 1, 0},
                      {".//Data//Missions//f3.map", 4, 3, 2}});
    writeRawMap(".//Data//Missions//f3.map", openMap(6));
    ASSERT_TRUE(loadFloor(3)) << floorLoadError();
    EXPECT_EQ(floorCount, 3);
    EXPECT_EQ(unitCount, 4);
    EXPECT_EQ(squadSize, 3);
    EXPECT_EQ(medkitCount, 2);
    EXPECT_EQ(mapWidth, 6);
}

TEST_F(FloorLoading, PastTheLastFloorTheGameIsDoneAndTheFloorStays) {
    writeFloors({{".//Data//Missions//a.map", 3, 2, 1}, {".//Data//Missions//b.map", 4, 2, 2}},
                openMap(8));
    ASSERT_TRUE(loadFloor(2)) << floorLoadError();
    units[0].x = 5; // play has moved things on
    const GameStateSnapshot before = takeGameState();
    EXPECT_FALSE(loadFloor(3));
    EXPECT_TRUE(allFloorsDone);
    EXPECT_EQ(floorLoadError(), "") << "finishing the game is no error";
    GameStateSnapshot after = takeGameState();
    after.allFloorsDone = before.allFloorsDone;
    EXPECT_EQ(gameStateDifference(before, after), "");
}

TEST_F(FloorLoading, SquadHealthCarriesOverAndTheDeadStayDown) {
    writeFloors({{".//Data//Missions//a.map", 5, 3, 0}, {".//Data//Missions//b.map", 6, 3, 0}},
                openMap(8));
    ASSERT_TRUE(loadFloor(1)) << floorLoadError();
    units[0].health = 5;
    units[1].health = -3;
    units[1].x = units[1].y = 6;
    units[2].maxHealth = 28;
    units[2].onFloor = false; // left by the exit, still alive
    ASSERT_TRUE(loadFloor(2)) << floorLoadError();
    EXPECT_EQ(units[0].health, 5);
    EXPECT_EQ(units[0].maxHealth, 20);
    EXPECT_EQ(units[1].health, -3);
    EXPECT_EQ(units[2].health, 20);
    EXPECT_EQ(units[2].maxHealth, 28);
    EXPECT_TRUE(units[2].onFloor);
    EXPECT_EQ(squadOnFloor, 2) << "the dead soldier is counted out";
    EXPECT_EQ(enemiesLeft, 3);
    EXPECT_EQ(units[1].x, 1) << "placed again at its start cell";
    EXPECT_EQ(units[1].y, 2);
    EXPECT_EQ(occupancy[cellIndex(1, 2)], 1);
    const std::vector<int32_t> acting = actingUnitsAfterSlotZero();
    EXPECT_EQ(std::count(acting.begin(), acting.end(), 1), 0);
}

TEST_F(FloorLoading, AGrownSquadsNewSlotsKeepFreshHealth) {
    writeFloors({{".//Data//Missions//a.map", 4, 2, 0}, {".//Data//Missions//b.map", 5, 4, 0}},
                openMap(8));
    ASSERT_TRUE(loadFloor(1)) << floorLoadError();
    units[1].health = 11;
    units[2].health = 3; // a guard on floor 1, a recruit on floor 2
    units[3].health = 0;
    ASSERT_TRUE(loadFloor(2)) << floorLoadError();
    EXPECT_EQ(units[1].health, 11);
    for (int32_t s : {2, 3}) {
        EXPECT_EQ(units[s].health, 20) << s;
        EXPECT_EQ(units[s].maxHealth, 20) << s;
    }
    EXPECT_EQ(squadOnFloor, 4);
}

TEST_F(FloorLoading, AFloorWithNoSquadPassesTheLastSquadsHealthOn) {
    writeFloors({{".//Data//Missions//a.map", 4, 2, 0},
                 {".//Data//Missions//b.map", 3, 0, 0},
                 {".//Data//Missions//c.map", 5, 3, 0}},
                openMap(8));
    ASSERT_TRUE(loadFloor(1)) << floorLoadError();
    units[0].health = 7;
    units[1].health = 0;
    units[1].maxHealth = 25;
    ASSERT_TRUE(loadFloor(2)) << floorLoadError();
    units[0].health = units[1].health = 1; // guards there
    ASSERT_TRUE(loadFloor(3)) << floorLoadError();
    EXPECT_EQ(units[0].health, 7);
    EXPECT_EQ(units[1].health, 0) << "the dead stay down";
    EXPECT_EQ(units[1].maxHealth, 25);
    EXPECT_EQ(units[2].health, 20) << "a new recruit";
    EXPECT_EQ(squadOnFloor, 2);
}

TEST_F(FloorLoading, FloorOneStartsFreshEvenAfterPlay) {
    writeFloors({{".//Data//Missions//a.map", 3, 2, 0}}, openMap(8));
    ASSERT_TRUE(loadFloor(1)) << floorLoadError();
    units[0].health = 2;
    ASSERT_TRUE(loadFloor(1)) << floorLoadError();
    EXPECT_EQ(units[0].health, 20);
}

TEST_F(FloorLoading, SmallFloorsLoadAsListed) {
    MapGrid grid = gridOf({"....", ".+..", "..E.", "...."});
    writeFloors({{".//Data//Missions//a.map", 2, 2, 0}}, grid);
    shotTarget = 7;
    ASSERT_TRUE(loadFloor(1)) << floorLoadError();
    EXPECT_EQ(enemiesLeft, 0) << "a squad-only floor";
    EXPECT_TRUE(medkits.empty());
    EXPECT_EQ(mapCells[cellIndex(1, 1)], CELL_MEDKIT) << "a stored medkit code has no record";
    EXPECT_EQ(shotTarget, NO_UNIT) << "the last shot's unit was on the old floor";
}
