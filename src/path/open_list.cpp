#include "path/open_list.h"

#include <climits>

namespace {
SearchNode* nextOf(const SearchNode* node) {
    return node->node.next ? bookkeepingOf(node->node.next) : nullptr;
}

int32_t maxOf(const SearchNode* node) {
    return node ? node->maxF : INT32_MIN;
}
} // namespace

void OpenList::clear() {
    root = first = last = nullptr;
}

uint32_t OpenList::nextPriority() {
    seed ^= seed << 13;
    seed ^= seed >> 17;
    seed ^= seed << 5;
    return seed;
}

// The node where a walk from the head past every f below the given one stops.
SearchNode* OpenList::firstAtLeast(int32_t f) const {
    // Often the head already does; the tree walk would end there too.
    if (first && first->f >= f)
        return first;
    SearchNode* at = root;
    while (at) {
        if (maxOf(at->left) >= f)
            at = at->left;
        else if (at->f >= f)
            return at;
        else
            at = maxOf(at->right) >= f ? at->right : nullptr;
    }
    return nullptr;
}

SearchNode* OpenList::insert(SearchNode* node) {
    SearchNode* after = firstAtLeast(node->node.f);
    SearchNode* before = after ? after->prev : last;
    node->open = true;
    linkInOrder(node, before, after);
    attachLeaf(node, before, after);
    while (node->up && node->up->priority < node->priority)
        rotateUp(node);
    for (SearchNode* above = node->up; above && above->maxF < node->f; above = above->up)
        above->maxF = node->f;
    return before;
}

void OpenList::linkInOrder(SearchNode* node, SearchNode* before, SearchNode* after) {
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

// In list order the node's neighbours are before and after: one of them has a
// free slot on the node's side.
void OpenList::attachLeaf(SearchNode* node, SearchNode* before, SearchNode* after) {
    node->left = node->right = nullptr;
    node->f = node->maxF = node->node.f;
    node->priority = nextPriority();
    if (!root) {
        node->up = nullptr;
        root = node;
    } else if (after && !after->left) {
        node->up = after;
        after->left = node;
    } else {
        node->up = before;
        before->right = node;
    }
}

void OpenList::rotateUp(SearchNode* node) {
    SearchNode* parent = node->up;
    SearchNode* grand = parent->up;
    if (parent->left == node) {
        parent->left = node->right;
        if (node->right)
            node->right->up = parent;
        node->right = parent;
    } else {
        parent->right = node->left;
        if (node->left)
            node->left->up = parent;
        node->left = parent;
    }
    parent->up = node;
    node->up = grand;
    if (!grand)
        root = node;
    else if (grand->left == parent)
        grand->left = node;
    else
        grand->right = node;
    pull(parent);
    pull(node);
}

// Recomputes the subtree's largest f; true when it changed.
bool OpenList::pull(SearchNode* node) {
    int32_t most = node->f;
    if (maxOf(node->left) > most)
        most = node->left->maxF;
    if (maxOf(node->right) > most)
        most = node->right->maxF;
    const bool changed = most != node->maxF;
    node->maxF = most;
    return changed;
}

SearchNode* OpenList::popHead() {
    SearchNode* head = first;
    if (!head)
        return nullptr;
    head->open = false;
    first = nextOf(head);
    if (first)
        first->prev = nullptr;
    else
        last = nullptr;
    // The head is the leftmost node: only a right subtree can hang below it.
    SearchNode* parent = head->up;
    if (head->right)
        head->right->up = parent;
    if (parent)
        parent->left = head->right;
    else
        root = head->right;
    for (SearchNode* above = parent; above && pull(above); above = above->up) {
    }
    return head;
}

void OpenList::refresh(SearchNode* node) {
    node->f = node->node.f;
    for (SearchNode* at = node; at && pull(at); at = at->up) {
    }
}
