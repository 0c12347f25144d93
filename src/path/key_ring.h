// The f keys of the open list's records, one bit each in a ring of buckets.
// While the keys in use lie within one turn of the ring, a key's bucket is its
// low bits, and the next key up is a scan for the next set bit, sped up by a
// summary bit per word.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct SearchNode;

class KeyRing {
  public:
    // Keys this far apart or more cannot be told apart.
    size_t capacity() const { return slots.size(); }
    // Empties the ring and makes it hold at least this many keys apart.
    void reset(size_t keys);
    void set(int32_t key, SearchNode* record);
    void unset(int32_t key);
    // The record of the nearest key at or above this one, going round the
    // ring; at least one key must be set.
    SearchNode* atOrAfter(int32_t key) const;

  private:
    std::vector<SearchNode*> slots;
    std::vector<uint64_t> words;   // bit per slot
    std::vector<uint64_t> summary; // bit per word that has a bit set
    uint32_t mask = 0;

    SearchNode* firstIn(size_t word) const;
};
