// The names the panel gives the squad's slots and the enemies.
#pragma once

#include "world/game_state.h"

inline constexpr char squadNames[SQUAD_MAX][25] = {"Darvik", "Tull", "Bexo", "Orrin"};
// Every enemy goes by the same name.
inline constexpr const char* ENEMY_NAME = "Guard";
