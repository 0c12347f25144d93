// Rolls a floor's units.
#pragma once

#include <cstdint>

struct Unit;

constexpr int32_t SQUAD_HEALTH = 20;
constexpr int32_t ENEMY_HEALTH = 9;
// The squad starts in this column, rows 1 to squadSize.
constexpr int32_t SQUAD_START_COLUMN = 1;

// Fills count records for a map of the given side length, the squad first;
// sets turnOrder to the identity, shotTimer to 0 and starts the first round.
void generateUnits(int32_t count, Unit units[], int32_t squadSize, int32_t sideLength);

// A patrol point may lie on any cell but a wall or the exit.
bool canHoldPatrolPoint(int32_t code);
