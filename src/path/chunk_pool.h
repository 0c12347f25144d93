// Storage handed out in fixed blocks that never move, so pointers into it stay
// good; releasing everything keeps the blocks for the next round.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

template <typename T, size_t BLOCK_SIZE = 1024> class ChunkPool {
  public:
    T* take() {
        if (used == blocks.size() * BLOCK_SIZE)
            blocks.push_back(std::make_unique<T[]>(BLOCK_SIZE));
        T* item = &blocks[used / BLOCK_SIZE][used % BLOCK_SIZE];
        ++used;
        return item;
    }
    void releaseAll() { used = 0; }

  private:
    std::vector<std::unique_ptr<T[]>> blocks;
    size_t used = 0;
};
