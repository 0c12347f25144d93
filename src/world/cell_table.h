// Every kind of map cell in one row: how floors write it, what a step onto it
// costs, who may pass it, whether sight passes, and the picture that draws it.
// Passability, stepping, sight, the background, the floor files and their
// checks, the map tool and the tests all ask this table. A new kind of cell is
// a new row here, and its picture.
#pragma once

#include <cstdint>
#include <iterator>

// Who of the squad may step onto a cell.
enum class SquadPassage {
    ALWAYS,
    NEVER,
    WHILE_UNSEEN, // only the soldier whose turn it is, while no enemy sees it
};

struct CellKind {
    char mapChar;         // in text floors and test maps
    bool inFloorFiles;    // false: only the game puts it there (medkits)
    int32_t stepCost;     // of a step onto it, in the search's units
    SquadPassage squad;
    bool enemiesPass;
    bool sightPasses;
    const char* picture;  // the file under Data/Images drawing it; null: bare floor
};

// Row c is cell code c, as map files and mapCells hold it. The codes the
// rules name are in game_state.h.
inline constexpr CellKind CELL_TABLE[] = {
    // char, in files, cost, squad, enemies, sight, picture
    {'.', true, 1, SquadPassage::ALWAYS, true, true, nullptr},             // 0 floor
    {'c', true, 2, SquadPassage::WHILE_UNSEEN, false, false, "wall2.bmp"}, // 1 cover
    {'#', true, 3, SquadPassage::NEVER, false, false, "wall.bmp"},         // 2 wall
    {'E', true, 4, SquadPassage::ALWAYS, true, false, "door.bmp"},         // 3 the exit
    {'+', false, 5, SquadPassage::ALWAYS, true, true, nullptr},            // 4 a medkit
};
constexpr int32_t CELL_CODE_MAX = static_cast<int32_t>(std::size(CELL_TABLE)) - 1;

// The row of a code; codes outside the table are the bare floor's.
const CellKind& cellKind(int32_t code);
// The code a map character stands for, or -1 when it stands for none.
int32_t cellCodeOf(char mapChar);
