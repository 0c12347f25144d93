// Where a search's nodes live. Ids within a range kept from search to search
// have their node in a table in id order, so the nodes of neighbouring cells
// are near in memory too; each entry carries the number of the search that
// made it, so starting a search clears nothing. Ids outside the range go to a
// pool and an index, and the table widens over them when the next search
// starts, unless they lie too far apart.
#pragma once

#include <cstdint>
#include <vector>

#include "path/chunk_pool.h"
#include "path/node_index.h"
#include "path/search_node.h"

class NodeStore {
  public:
    // Forgets every node; their storage stays for reuse.
    void startSearch();
    SearchNode* find(int32_t id);
    // A node for an id that has none yet in this search, its bookkeeping unset.
    SearchNode* make(int32_t id);

  private:
    std::vector<SearchNode> table;
    int64_t firstId = 0;
    uint32_t search = 1;
    int64_t made = 0;

    ChunkPool<SearchNode> spillPool;
    NodeIndex spillIndex;
    bool spilled = false;
    int64_t lowestSpilled = 0;
    int64_t highestSpilled = 0;

    uint64_t slotOf(int32_t id) const { return static_cast<uint64_t>(id - firstId); }
    void widen();
};
