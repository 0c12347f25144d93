// Rolls a floor's units and reads the squad's fixed statistics.
#pragma once

#include <cstdint>

struct Unit;

void generateUnits(int32_t count, Unit units[], int32_t squadSize, int32_t side);
bool readSquadStats(const char* path, Unit units[]);
