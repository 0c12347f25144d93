#include "path/node_index.h"

#include <algorithm>

namespace {
constexpr int64_t SMALLEST_TABLE = 1024;
// A table may grow to this many entries whatever the node count...
constexpr int64_t ALWAYS_ALLOWED = 1 << 16;
// ...beyond that to this many per node...
constexpr int64_t SLOTS_PER_NODE = 64;
// ...and never beyond this.
constexpr int64_t LARGEST_TABLE = 1 << 20;
} // namespace

void NodeIndex::clear() {
    count = 0;
    if (!scattered.empty())
        scattered.clear();
    if (++search != 0)
        return;
    // The search number wrapped: old entries could pass for new ones.
    for (Entry& slot : slots)
        slot.search = 0;
    search = 1;
}

SearchNode* NodeIndex::find(int32_t id) const {
    const Entry* entry = const_cast<NodeIndex*>(this)->entryOf(id);
    return entry ? entry->node : nullptr;
}

NodeIndex::Entry* NodeIndex::scatteredEntryOf(int32_t id) {
    const auto found = scattered.find(id);
    return found == scattered.end() ? nullptr : &found->second;
}

void NodeIndex::addOutside(int32_t id, const Entry& entry) {
    if (widenTo(id))
        slots[id - firstId] = entry;
    else
        scattered.emplace(id, entry);
}

// Grows the table, with room to spare on both sides, unless that would make
// it too large for the nodes it holds.
bool NodeIndex::widenTo(int32_t id) {
    const int64_t size = static_cast<int64_t>(slots.size());
    const int64_t low = size ? std::min<int64_t>(firstId, id) : id;
    const int64_t high =
        size ? std::max<int64_t>(firstId + size, int64_t{id} + 1) : int64_t{id} + 1;
    const int64_t needed = high - low;
    const int64_t allowed =
        std::min(LARGEST_TABLE, std::max(ALWAYS_ALLOWED, SLOTS_PER_NODE * count));
    if (needed > allowed)
        return false;
    const int64_t grown = std::min(allowed, std::max(SMALLEST_TABLE, 2 * needed));
    const int64_t grownFirst = low - (grown - needed) / 2;

    std::vector<Entry> wider(static_cast<size_t>(grown), Entry{nullptr, 0, 0});
    if (size)
        std::copy(slots.begin(), slots.end(), wider.begin() + (firstId - grownFirst));
    slots.swap(wider);
    firstId = grownFirst;
    return true;
}
