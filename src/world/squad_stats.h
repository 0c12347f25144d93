// The squad stats file: fixed statistics and a weapon kind per squad slot.
#pragma once

#include <cstdint>

struct Unit;

constexpr const char* SQUAD_STATS_PATH = ".//stats.txt";

// Applies the four stats-file entries to the squad slots that exist on this
// floor; false when the file cannot be opened.
bool readSquadStats(const char* path, Unit slots[]);
