// The open list: a linked list in the order nodes are taken off, where a node
// goes in front of the first node whose f is not below its own. Nodes whose f
// changes keep their place, so the list need not be sorted. Only a record, a
// node whose f is above every f in front of it, can be that first node, and
// the records' f rise along the list: they form a chain of their own, found
// by f in a ring of buckets, and a new node lands in front of a record.
#pragma once

#include <cstdint>

#include "path/key_ring.h"
#include "path/search_node.h"

class OpenList {
  public:
    void clear();
    PathNode* head() const { return first ? &first->node : nullptr; }

    // Links the node in and returns the node it now follows, null at the head.
    SearchNode* insert(SearchNode* node);
    // Unlinks the head, leaving its next link as it was; null when empty.
    SearchNode* popHead();
    // Must follow every change of an open node's f.
    void refresh(SearchNode* node);

  private:
    SearchNode* first = nullptr;
    SearchNode* last = nullptr;
    SearchNode* firstRecord = nullptr;
    SearchNode* lastRecord = nullptr;
    KeyRing ring;
    // Off for the rest of a search whose keys spread too far for the ring:
    // the chain is walked instead.
    bool ringInUse = false;

    SearchNode* firstRecordAtLeast(int32_t f) const;
    void linkBetween(SearchNode* node, SearchNode* before, SearchNode* after);
    void promote(SearchNode* node, SearchNode* previousRecord);
    void demote(SearchNode* record);
    SearchNode* demoteUpTo(SearchNode* record, int32_t key);
    void findRecords(SearchNode* from, SearchNode* end, SearchNode* previousRecord, int64_t above,
                     int32_t groupKey);
    void recordChanged(SearchNode* record, int32_t was);
    void placeKey(SearchNode* record);
    void refillRing();
};
