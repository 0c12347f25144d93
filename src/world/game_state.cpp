#include "world/game_state.h"

int32_t mapWidth = 0;
int32_t mapHeight = 0;
std::vector<int32_t> mapCells;
std::vector<int32_t> occupancy;

std::vector<Unit> units;
int32_t unitCount = 0;
std::vector<int32_t> turnOrder;
int32_t turnSlot = 0;
int32_t squadSize = 0;
int32_t enemiesLeft = 0;
int32_t squadOnFloor = 0;

int32_t floorNumber = 0;
int32_t floorCount = 0;
bool allFloorsDone = false;

int32_t turnState = TURN_NEXT;
std::atomic<bool> tickPending{false};
int32_t shotTimer = 0;
int32_t shotTarget = NO_UNIT;
int32_t shotShooter = NO_UNIT;
int32_t shotDamage = 0;

std::vector<Medkit> medkits;
int32_t medkitCount = 0;

std::vector<SquadHealth> carriedHealth;

void releaseFloorArrays() {
    std::vector<int32_t>().swap(mapCells);
    std::vector<int32_t>().swap(occupancy);
    std::vector<Unit>().swap(units);
    std::vector<int32_t>().swap(turnOrder);
    std::vector<Medkit>().swap(medkits);
    std::vector<SquadHealth>().swap(carriedHealth);
}
