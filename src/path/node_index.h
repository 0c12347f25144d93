// Finds a search's node by id in constant time. Ids index a table that grows to
// cover the ids in use; each entry carries the number of the search that wrote
// it, so starting a search clears nothing. Ids too scattered for a table of
// sensible size go to a hash map instead.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

struct SearchNode;

class NodeIndex {
  public:
    // Forgets every node.
    void clear();
    SearchNode* find(int32_t id) const;
    // The id must not be in the index yet.
    void add(int32_t id, SearchNode* node);

  private:
    struct Slot {
        uint32_t search;
        SearchNode* node;
    };
    std::vector<Slot> slots;
    int64_t firstId = 0;
    uint32_t search = 1;
    int64_t count = 0;
    std::unordered_map<int32_t, SearchNode*> scattered;

    bool widenTo(int32_t id);
};
