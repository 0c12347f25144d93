#include "world/floor_state.h"

#include <cstddef>

#include "world/game_state.h"

bool floorOver() {
    return enemiesLeft < 1 || squadOnFloor < 1;
}

bool playerMayCommand() {
    return shotTimer <= 0 && turnState == TURN_AWAIT_PLAYER;
}

std::vector<int32_t> exitIndices(const std::vector<int32_t>& cells) {
    std::vector<int32_t> exits;
    for (size_t i = 0; i < cells.size(); ++i)
        if (cells[i] == CELL_EXIT)
            exits.push_back(static_cast<int32_t>(i));
    return exits;
}

int32_t exitIndex(const std::vector<int32_t>& cells) {
    for (size_t i = 0; i < cells.size(); ++i)
        if (cells[i] == CELL_EXIT)
            return static_cast<int32_t>(i);
    return -1;
}
