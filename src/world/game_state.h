// The one game state of the floor in play: records, grids, counters and the
// small variables of the turn and the shot display. Every subsystem reads and
// writes it directly under these names; there is no other copy.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

// The cell codes the rules name, as stored in map files and in mapCells;
// every code's properties are in world/cell_table.h.
constexpr int32_t CELL_FLOOR = 0;
constexpr int32_t CELL_WALL2 = 1; // cover: only an unseen soldier may pass
constexpr int32_t CELL_WALL = 2;
constexpr int32_t CELL_EXIT = 3;
constexpr int32_t CELL_MEDKIT = 4;

// Results of a turn step (turnState).
constexpr int32_t TURN_AWAIT_PLAYER = -2;
constexpr int32_t TURN_ROUND_OVER = -1;
constexpr int32_t TURN_NEXT = 0;
constexpr int32_t TURN_STILL_ACTING = 1;

// Results of a unit step.
constexpr int32_t STEP_MOVED = 1;
constexpr int32_t STEP_BLOCKED = 0;
constexpr int32_t STEP_GAME_COMPLETE = -10;

constexpr int32_t SIDE_SQUAD = 1;
constexpr int32_t SIDE_ENEMY = -1;
constexpr int32_t SQUAD_MAX = 4;
constexpr int32_t NO_UNIT = -1;

struct Unit {
    int32_t x;
    int32_t y;
    int32_t side;
    int32_t actionPoints;
    int32_t targetIndex;
    int32_t patrolLeg;
    int32_t alerted;
    int32_t patrolPoints[2][2]; // [leg][0 = column, 1 = row]
    int32_t lastSeenX;
    int32_t lastSeenY;
    bool reservedFlag;
    bool unspotted;
    bool onFloor;
    int32_t reservedWord;
    int32_t speed;
    int32_t strength;
    int32_t dodge;
    int32_t accuracy;
    int32_t reservedStat;
    int32_t health;
    int32_t maxHealth;
    int32_t attackRange;
    int32_t targetPreference;
    int32_t shortRange;
    int32_t longRange;
    int32_t damageMax;
    int32_t weaponSound;
};

struct Cell {
    int32_t x;
    int32_t y;
};

inline Cell cellOf(const Unit& unit) {
    return Cell{unit.x, unit.y};
}

struct Medkit {
    int32_t x;
    int32_t y;
    int32_t active;
};

// Grids, indexed y * mapWidth + x. Maps are square.
extern int32_t mapWidth;
extern int32_t mapHeight;
extern std::vector<int32_t> mapCells;
extern std::vector<int32_t> occupancy;

extern std::vector<Unit> units;
extern int32_t unitCount;
extern std::vector<int32_t> turnOrder;
extern int32_t turnSlot;
extern int32_t squadSize;
extern int32_t enemiesLeft;
extern int32_t squadOnFloor;

extern int32_t floorNumber;
extern int32_t floorCount;
extern bool allFloorsDone;

extern int32_t turnState;
extern std::atomic<bool> tickPending; // one byte, raised by the timer thread
extern int32_t shotTimer;
extern int32_t shotTarget; // index into units of the unit shot last; NO_UNIT before any shot
extern int32_t shotShooter; // index into units of the unit that fired it; NO_UNIT before any shot
extern int32_t shotDamage;

extern std::vector<Medkit> medkits;
extern int32_t medkitCount;

struct SquadHealth {
    int32_t health;
    int32_t maxHealth;
};
// The squad health the next floor carries over: that of the last floor that
// had a squad, so a floor listed without one brings nobody back.
extern std::vector<SquadHealth> carriedHealth;

inline int32_t cellIndex(int32_t x, int32_t y) { return y * mapWidth + x; }
inline bool insideMap(int32_t x, int32_t y) {
    return x >= 0 && y >= 0 && x < mapWidth && y < mapHeight;
}
inline Unit& currentUnit() { return units[turnOrder[turnSlot]]; }
inline int32_t currentUnitIndex() { return turnOrder[turnSlot]; }

// Releases the five per-floor arrays and the carried squad health.
void releaseFloorArrays();
