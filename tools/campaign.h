// The shipped campaign: a list of text floors in playing order, and the
// mission list the game reads, which names each floor's binary map.
//
// Campaign list: one text floor file per line, relative to the list; '#'
// starts a comment. Floor "cellars.floor" becomes the map "cellars.map".
#pragma once

#include <string>
#include <vector>

#include "text_floor.h"

// Where the game finds the maps, relative to its working directory.
constexpr const char* MISSIONS_DIR = "Data/Missions";
constexpr const char* MISSION_LIST_FILE = "Mission.dat";

// False with "line N: reason" when the list names no floor or a bad file name.
bool parseCampaignList(const std::string& text, std::vector<std::string>& floorFiles,
                       std::string& why);

// "cellars.floor" -> "cellars.map"
std::string mapFileName(const std::string& floorFile);
// The path the mission list gives for a map: ".//Data//Missions//cellars.map".
std::string missionMapPath(const std::string& mapFile);

// The mission list text for these floors, whose plans carry their map paths.
std::string missionListText(const std::vector<TextFloor>& floors);
