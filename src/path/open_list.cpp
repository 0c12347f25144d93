#include "path/open_list.h"

#include <climits>

namespace {
// Keys spread wider than this are left to the chain walk; step costs that
// large are no map's.
constexpr int64_t WIDEST_RING = int64_t{1} << 16;

SearchNode* nextOf(const SearchNode* node) {
    return node->node.next ? bookkeepingOf(node->node.next) : nullptr;
}
} // namespace

void OpenList::clear() {
    if (ringInUse) {
        for (SearchNode* record = firstRecord; record; record = record->nextRecord)
            ring.unset(record->key);
    } else {
        ring.reset(0);
        ringInUse = true;
    }
    first = last = firstRecord = lastRecord = nullptr;
}

SearchNode* OpenList::firstRecordAtLeast(int32_t f) const {
    if (!firstRecord || f <= firstRecord->key)
        return firstRecord;
    if (f > lastRecord->key)
        return nullptr;
    if (ringInUse)
        return ring.atOrAfter(f);
    SearchNode* record = firstRecord;
    while (record->key < f)
        record = record->nextRecord;
    return record;
}

SearchNode* OpenList::insert(SearchNode* node) {
    node->open = true;
    node->key = node->node.f;
    SearchNode* after = firstRecordAtLeast(node->key);
    SearchNode* before = after ? after->prev : last;
    linkBetween(node, before, after);
    SearchNode* previousRecord = after ? after->prevRecord : lastRecord;
    // An equal f in front of it no longer counts as above everything before.
    if (after && after->key == node->key)
        demote(after);
    promote(node, previousRecord);
    return before;
}

void OpenList::linkBetween(SearchNode* node, SearchNode* before, SearchNode* after) {
    node->prev = before;
    node->node.next = after ? &after->node : nullptr;
    if (before)
        before->node.next = &node->node;
    else
        first = node;
    if (after)
        after->prev = node;
    else
        last = node;
}

SearchNode* OpenList::popHead() {
    SearchNode* head = first;
    if (!head)
        return nullptr;
    SearchNode* groupEnd = head->nextRecord;
    demote(head);
    head->open = false;
    first = nextOf(head);
    if (first)
        first->prev = nullptr;
    else
        last = nullptr;
    findRecords(first, groupEnd, nullptr, INT64_MIN, head->key);
    return head;
}

// Links the node into the chain behind the given record, at the front for none.
void OpenList::promote(SearchNode* node, SearchNode* previousRecord) {
    SearchNode*& link = previousRecord ? previousRecord->nextRecord : firstRecord;
    SearchNode* nextRecord = link;
    node->record = true;
    node->prevRecord = previousRecord;
    node->nextRecord = nextRecord;
    link = node;
    (nextRecord ? nextRecord->prevRecord : lastRecord) = node;
    placeKey(node);
}

void OpenList::demote(SearchNode* record) {
    SearchNode* previousRecord = record->prevRecord;
    SearchNode* nextRecord = record->nextRecord;
    (previousRecord ? previousRecord->nextRecord : firstRecord) = nextRecord;
    (nextRecord ? nextRecord->prevRecord : lastRecord) = previousRecord;
    record->record = false;
    if (ringInUse)
        ring.unset(record->key);
}

// Demotes the records from this one on while their key is not above the given
// one; returns the first record left.
SearchNode* OpenList::demoteUpTo(SearchNode* record, int32_t key) {
    while (record && record->key <= key) {
        SearchNode* next = record->nextRecord;
        demote(record);
        record = next;
    }
    return record;
}

// The nodes from `from` up to `end` were dominated by a record that left or
// sank to `above`: those now above everything in front of them become records.
// The group's key was the old record's, so none is above it, and from one equal
// to it on all are dominated again.
void OpenList::findRecords(SearchNode* from, SearchNode* end, SearchNode* previousRecord,
                           int64_t above, int32_t groupKey) {
    for (SearchNode* node = from; node != end; node = nextOf(node)) {
        if (node->key <= above)
            continue;
        promote(node, previousRecord);
        if (node->key == groupKey)
            return;
        previousRecord = node;
        above = node->key;
    }
}

void OpenList::refresh(SearchNode* node) {
    const int32_t was = node->key;
    const int32_t now = node->node.f;
    if (now == was)
        return;
    if (node->record) {
        recordChanged(node, was);
        return;
    }
    node->key = now;
    if (now < was)
        return; // still dominated
    SearchNode* groupRecord = node->prev;
    while (!groupRecord->record)
        groupRecord = groupRecord->prev;
    if (now <= groupRecord->key)
        return;
    demoteUpTo(groupRecord->nextRecord, now);
    promote(node, groupRecord);
}

void OpenList::recordChanged(SearchNode* record, int32_t was) {
    SearchNode* previousRecord = record->prevRecord;
    SearchNode* groupEnd = record->nextRecord;
    demote(record);
    const int32_t now = record->node.f;
    record->key = now;
    if (now > was) {
        demoteUpTo(groupEnd, now);
        promote(record, previousRecord);
        return;
    }
    if (!previousRecord || now > previousRecord->key) {
        promote(record, previousRecord);
        findRecords(nextOf(record), groupEnd, record, now, was);
    } else {
        findRecords(nextOf(record), groupEnd, previousRecord, previousRecord->key, was);
    }
}

void OpenList::placeKey(SearchNode* record) {
    if (!ringInUse)
        return;
    const int64_t spread = int64_t{lastRecord->key} - firstRecord->key;
    if (spread < static_cast<int64_t>(ring.capacity()))
        ring.set(record->key, record);
    else
        refillRing();
}

// Every record's key goes into a ring wide enough, or the ring is left empty.
void OpenList::refillRing() {
    const int64_t spread = int64_t{lastRecord->key} - firstRecord->key;
    if (spread >= WIDEST_RING) {
        ring.reset(0);
        ringInUse = false;
        return;
    }
    ring.reset(static_cast<size_t>(2 * (spread + 1)));
    for (SearchNode* record = firstRecord; record; record = record->nextRecord)
        ring.set(record->key, record);
}
