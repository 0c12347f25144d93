#include "path/node_store.h"

#include <algorithm>

namespace {
// The table may cover this many ids whatever the node count...
constexpr int64_t ALWAYS_ALLOWED = 1 << 12;
// ...beyond that this many per node of the search before...
constexpr int64_t SLOTS_PER_NODE = 16;
// ...and never more than this: a little above the largest map.
constexpr int64_t LARGEST_TABLE = 1 << 18;
} // namespace

void NodeStore::startSearch() {
    if (spilled) {
        widen();
        spillPool.releaseAll();
        spillIndex.clear();
        spilled = false;
    }
    made = 0;
    if (++search != 0)
        return;
    // The search number wrapped: old entries could pass for new ones.
    for (SearchNode& node : table)
        node.search = 0;
    search = 1;
}

SearchNode* NodeStore::find(int32_t id) {
    const uint64_t slot = slotOf(id);
    if (slot < table.size()) {
        SearchNode& node = table[slot];
        return node.search == search ? &node : nullptr;
    }
    return spilled ? spillIndex.find(id) : nullptr;
}

SearchNode* NodeStore::make(int32_t id) {
    ++made;
    const uint64_t slot = slotOf(id);
    if (slot < table.size()) {
        table[slot].search = search;
        return &table[slot];
    }
    if (!spilled) {
        lowestSpilled = highestSpilled = id;
        spilled = true;
    }
    lowestSpilled = std::min<int64_t>(lowestSpilled, id);
    highestSpilled = std::max<int64_t>(highestSpilled, id);
    SearchNode* node = spillPool.take();
    node->search = search;
    spillIndex.add(id, node);
    return node;
}

// The old table's nodes are gone by now, so it may move.
void NodeStore::widen() {
    const int64_t size = static_cast<int64_t>(table.size());
    const int64_t low = size ? std::min(firstId, lowestSpilled) : lowestSpilled;
    const int64_t high = size ? std::max(firstId + size, highestSpilled + 1) : highestSpilled + 1;
    const int64_t allowed =
        std::min(LARGEST_TABLE, std::max(ALWAYS_ALLOWED, SLOTS_PER_NODE * made));
    if (high - low > allowed)
        return;
    table.assign(static_cast<size_t>(high - low), SearchNode{});
    firstId = low;
}
