// Rolls a floor's units.
#pragma once

#include <cstdint>

#include "world/game_state.h"

constexpr int32_t SQUAD_HEALTH = 20;
constexpr int32_t ENEMY_HEALTH = 9;

// Where unit index of a floor starts, without regard to the terrain: the squad
// in column 1 from row 1 down, the enemies in the last column of a map of this
// side length from the bottom row up.
Cell startCell(int32_t index, int32_t squadCount, int32_t sideLength);

// Fills count records for a map of the given side length, the squad first;
// sets turnOrder to the identity, shotTimer to 0 and starts the first round.
void generateUnits(int32_t count, Unit floorUnits[], int32_t squadCount, int32_t sideLength);

// A patrol point may lie on any cell but a wall or the exit.
bool canHoldPatrolPoint(int32_t code);
