// A tiny floor builder so each test reads as a scenario:
//
//   buildFloor({"....",
//               ".#c.",
//               "...E",
//               "...."});
//   int soldier = addUnit(SIDE_SQUAD, 0, 0);
//   int guard = addUnit(SIDE_ENEMY, 3, 3);
//
// Each character as the cell table writes it: '.' floor, 'c' cover, '#' wall,
// 'E' exit, '+' medkit cell.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

#include "world/game_state.h"

// Replaces the game state with an empty floor of these rows (all of one length;
// the rows need not be square). Units, medkits and counters are reset, turnSlot
// is 0, floorNumber 1 and floorCount 1.
void buildFloor(std::initializer_list<const char*> rows);

// Appends a unit with plain statistics (all 7, health 20 / 20, ranges 6 and 10,
// damageMax 4, weaponSound 0, actionPoints = speed), appends its index to
// turnOrder, marks its cell in occupancy and keeps unitCount, squadSize,
// enemiesLeft and squadOnFloor in step. Returns the unit's index. Squad units
// must be added before enemies.
int32_t addUnit(int32_t side, int32_t x, int32_t y);

// Places an active medkit record on (x, y) and turns the cell into CELL_MEDKIT.
void addMedkit(int32_t x, int32_t y);

// The map as rows of text, units drawn as 'S' (squad) and 'X' (enemy).
std::string describeFloor();
