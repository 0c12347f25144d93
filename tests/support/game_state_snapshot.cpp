#include "support/game_state_snapshot.h"

#include <tuple>

#include "path/movement_rules.h"
#include "world/random.h"
#include "world/settings.h"

namespace {
// Field by field: the record has padding after its flags.
auto fieldsOf(const Unit& u) {
    return std::tie(u.x, u.y, u.side, u.actionPoints, u.targetIndex, u.patrolLeg, u.alerted,
                    u.patrolPoints[0][0], u.patrolPoints[0][1], u.patrolPoints[1][0],
                    u.patrolPoints[1][1], u.lastSeenX, u.lastSeenY, u.reservedFlag, u.unspotted,
                    u.onFloor, u.reservedWord, u.speed, u.strength, u.dodge, u.accuracy,
                    u.reservedStat, u.health, u.maxHealth, u.attackRange, u.targetPreference,
                    u.shortRange, u.longRange, u.damageMax, u.weaponSound);
}

int32_t* const COUNTERS[] = {
    &mapWidth,        &mapHeight,   &unitCount,      &turnSlot,      &squadSize,  &enemiesLeft,
    &squadOnFloor,    &floorNumber, &floorCount,     &turnState,     &shotTimer,  &shotTarget,
    &shotShooter,     &shotDamage,  &medkitCount,    &bandHeight,    &panelWidth, &rosterTop,
    &rosterRowHeight, &tickMs,      &highlightColor, &shotShowTicks,
};
const char* const COUNTER_NAMES[] = {
    "mapWidth",       "mapHeight",     "unitCount",   "turnSlot",        "squadSize",
    "enemiesLeft",    "squadOnFloor",  "floorNumber", "floorCount",      "turnState",
    "shotTimer",      "shotTarget",    "shotShooter", "shotDamage",      "medkitCount",
    "bandHeight",     "panelWidth",    "rosterTop",   "rosterRowHeight", "tickMs",
    "highlightColor", "shotShowTicks",
};
constexpr size_t COUNTER_COUNT = sizeof(COUNTERS) / sizeof(COUNTERS[0]);
static_assert(COUNTER_COUNT == sizeof(COUNTER_NAMES) / sizeof(COUNTER_NAMES[0]));

template <typename T, typename Same>
std::string arrayDifference(const char* name, const std::vector<T>& a, const std::vector<T>& b,
                            Same same) {
    if (a.size() != b.size())
        return std::string(name) + " size " + std::to_string(a.size()) + " became " +
               std::to_string(b.size());
    for (size_t i = 0; i < a.size(); ++i)
        if (!same(a[i], b[i]))
            return std::string(name) + "[" + std::to_string(i) + "]";
    return "";
}

bool sameInt(int32_t a, int32_t b) {
    return a == b;
}

// FNV-1a over each value's eight bytes, lowest first, whatever the host's order.
struct Digest {
    uint64_t value = 1469598103934665603ull;
    void add(int64_t v) {
        for (int i = 0; i < 8; ++i) {
            value ^= static_cast<uint8_t>(v >> (8 * i));
            value *= 1099511628211ull;
        }
    }
    template <typename T> void addAll(const std::vector<T>& values) {
        add(static_cast<int64_t>(values.size()));
        for (const T& v : values)
            add(v);
    }
};

void addUnit(Digest& d, const Unit& u) {
    std::apply([&d](const auto&... field) { (d.add(field), ...); }, fieldsOf(u));
}
} // namespace

bool sameMedkit(const Medkit& a, const Medkit& b) {
    return a.x == b.x && a.y == b.y && a.active == b.active;
}

bool sameUnit(const Unit& a, const Unit& b) {
    return fieldsOf(a) == fieldsOf(b);
}

GameStateSnapshot takeGameState() {
    GameStateSnapshot s;
    for (int32_t* counter : COUNTERS)
        s.counters.push_back(*counter);
    s.counters.push_back(static_cast<int32_t>(randomState()));
    s.mapCells = mapCells;
    s.occupancy = occupancy;
    s.turnOrder = turnOrder;
    s.units = units;
    s.medkits = medkits;
    s.allFloorsDone = allFloorsDone;
    s.tickPending = tickPending;
    s.searchCallbacks[0] = pathSearch.costFn;
    s.searchCallbacks[1] = pathSearch.validFn;
    s.searchCallbacks[2] = pathSearch.childNotifyFn;
    s.searchCallbacks[3] = pathSearch.listNotifyFn;
    s.searchData[0] = pathSearch.costData;
    s.searchData[1] = pathSearch.notifyData;
    return s;
}

void restoreGameState(const GameStateSnapshot& s) {
    for (size_t i = 0; i < COUNTER_COUNT; ++i)
        *COUNTERS[i] = s.counters[i];
    setRandomState(static_cast<uint32_t>(s.counters[COUNTER_COUNT]));
    mapCells = s.mapCells;
    occupancy = s.occupancy;
    turnOrder = s.turnOrder;
    units = s.units;
    medkits = s.medkits;
    allFloorsDone = s.allFloorsDone;
    tickPending = s.tickPending;
    pathSearch.costFn = s.searchCallbacks[0];
    pathSearch.validFn = s.searchCallbacks[1];
    pathSearch.childNotifyFn = s.searchCallbacks[2];
    pathSearch.listNotifyFn = s.searchCallbacks[3];
    pathSearch.costData = s.searchData[0];
    pathSearch.notifyData = s.searchData[1];
    pathSearch.setRows(mapWidth);
}

std::string gameStateDifference(const GameStateSnapshot& a, const GameStateSnapshot& b) {
    for (size_t i = 0; i < COUNTER_COUNT; ++i)
        if (a.counters[i] != b.counters[i])
            return std::string(COUNTER_NAMES[i]) + " " + std::to_string(a.counters[i]) +
                   " became " + std::to_string(b.counters[i]);
    if (a.counters[COUNTER_COUNT] != b.counters[COUNTER_COUNT])
        return "the random state";
    std::string why = arrayDifference("mapCells", a.mapCells, b.mapCells, sameInt);
    if (why.empty())
        why = arrayDifference("occupancy", a.occupancy, b.occupancy, sameInt);
    if (why.empty())
        why = arrayDifference("turnOrder", a.turnOrder, b.turnOrder, sameInt);
    if (why.empty())
        why = arrayDifference("units", a.units, b.units, sameUnit);
    if (why.empty())
        why = arrayDifference("medkits", a.medkits, b.medkits, sameMedkit);
    if (why.empty() && a.allFloorsDone != b.allFloorsDone)
        why = "allFloorsDone";
    if (why.empty() && a.tickPending != b.tickPending)
        why = "tickPending";
    for (int i = 0; why.empty() && i < 4; ++i)
        if (a.searchCallbacks[i] != b.searchCallbacks[i])
            why = "a path search callback";
    for (int i = 0; why.empty() && i < 2; ++i)
        if (a.searchData[i] != b.searchData[i])
            why = "a path search user value";
    return why;
}

uint64_t digestOf(const GameStateSnapshot& s) {
    Digest d;
    d.addAll(s.counters);
    d.addAll(s.mapCells);
    d.addAll(s.occupancy);
    d.addAll(s.turnOrder);
    d.add(static_cast<int64_t>(s.units.size()));
    for (const Unit& u : s.units)
        addUnit(d, u);
    d.add(static_cast<int64_t>(s.medkits.size()));
    for (const Medkit& m : s.medkits)
        for (int64_t v : {m.x, m.y, m.active})
            d.add(v);
    d.add(s.allFloorsDone);
    d.add(s.tickPending);
    return d.value;
}

uint64_t gameDigest() {
    return digestOf(takeGameState());
}
