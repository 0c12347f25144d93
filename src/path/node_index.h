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
    // A node with a copy of its g, so that linking a node already known
    // reads nothing of the node itself unless its route improves.
    struct Entry {
        SearchNode* node;
        uint32_t search;
        int32_t g;
    };

    // Forgets every node.
    void clear();
    SearchNode* find(int32_t id) const;
    // Null when the id is not in the index. Inline: the search asks eight times a node.
    Entry* entryOf(int32_t id) {
        const uint64_t at = static_cast<uint64_t>(id - firstId);
        if (at < slots.size() && slots[at].search == search)
            return &slots[at];
        return scattered.empty() ? nullptr : scatteredEntryOf(id);
    }
    // The id must not be in the index yet.
    void add(int32_t id, SearchNode* node, int32_t g = 0) {
        ++count;
        const uint64_t at = static_cast<uint64_t>(id - firstId);
        if (at < slots.size())
            slots[at] = Entry{node, search, g};
        else
            addOutside(id, Entry{node, search, g});
    }

  private:
    std::vector<Entry> slots;
    int64_t firstId = 0;
    uint32_t search = 1;
    int64_t count = 0;
    std::unordered_map<int32_t, Entry> scattered;

    bool widenTo(int32_t id);
    Entry* scatteredEntryOf(int32_t id);
    // An id beyond the table: the table widens to it, or the hash map takes it.
    void addOutside(int32_t id, const Entry& entry);
};
