// The shipped campaign's own design rules: it grows harder floor by floor and
// every floor is readable on the screen and has its hiding places and help.
// A mod may set them aside (floortool --mod); the game itself needs none.
#pragma once

#include <string>
#include <vector>

#include "text_floor.h"
#include "world/settings_file.h"

constexpr int32_t FIRST_FLOOR_SIDE_MAX = 12;
constexpr int32_t LAST_FLOOR_SIDE_MIN = 24;
constexpr int32_t TILE_PIXELS_MIN = 16;
constexpr int32_t CURTAINS_MIN = 3;
constexpr int32_t MEDKITS_MIN = 1;

struct NamedFloor {
    std::string file; // as the campaign list names it
    TextFloor floor;
};

// Empty when the campaign keeps every rule; otherwise the first floor that
// breaks one, named by its file, and the rule ("floor2.floor is 10 wide, ...").
std::string checkCampaignDesign(const std::vector<NamedFloor>& floors,
                                const SettingsRecords& settings);
