// A floor kept as text: its counts, then one character per cell.
//
//   # a comment
//   name cellars      # the floor's label in the mission list, one word
//   units 6           # squad and enemies together
//   squad 4
//   medkits 1
//   map
//   #S.........E
//   ...
//
// Above the map '#' starts a comment; in the map it is a wall, so map rows
// carry none. Blanks and tabs at the end of any line are ignored.
//
// Cells, as the cell table writes them: '.' floor, 'c' cover, '#' wall, 'E'
// the exit. 'S' and
// 'X' are floor cells that show where the squad and the enemies start. The
// game places the units by the counts alone, so every start cell must carry
// its mark and no other cell may: the map then shows what the game will do.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "world/map_file.h"
#include "world/mission_list.h"

struct CellPos {
    int32_t x;
    int32_t y;
    bool operator==(const CellPos& o) const { return x == o.x && y == o.y; }
};

struct TextFloor {
    std::string label;
    FloorPlan plan; // mapPath is left empty: the campaign names the map file
    MapGrid grid;
    std::vector<CellPos> squadMarks; // 'S' cells, row by row
    std::vector<CellPos> enemyMarks; // 'X' cells, row by row
    int32_t mapFirstLine = 0;        // the file's line of map row 0
};

// The cells are written as the cell table writes them; these two marks are
// floor cells.
constexpr char TEXT_SQUAD_MARK = 'S';
constexpr char TEXT_ENEMY_MARK = 'X';

// False with "line N: reason" when the text is not a floor. Only the form is
// judged here; whether the floor can be played is for the floor checks.
bool parseTextFloor(const std::string& text, TextFloor& floor, std::string& why);

// Empty when the 'S' and 'X' marks stand exactly on the start cells the game
// uses for these counts; otherwise "line N: reason", naming the counts that
// put the start cells where they are.
std::string checkStartMarks(const TextFloor& floor);
