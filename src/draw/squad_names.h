// The names the panel gives the squad's slots and the enemies.
#pragma once

#include "world/game_state.h"

inline constexpr char squadNames[SQUAD_MAX][25] = {"Darvik", "Tull", "Bexo", "Orrin"};
// Enemies share one name: the squad never learns theirs.
inline constexpr const char* ENEMY_NAME = "Guard";
