// The open list: a linked list in the order nodes are taken off, where a node
// goes in front of the first node whose f is not below its own. Nodes whose f
// changes keep their place, so the list need not be sorted; a tree over list
// positions that knows each subtree's largest f finds the insertion point in
// logarithmic time all the same.
#pragma once

#include <cstdint>

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
    SearchNode* root = nullptr;
    SearchNode* first = nullptr;
    SearchNode* last = nullptr;
    uint32_t seed = 0x9E3779B9u;

    uint32_t nextPriority();
    SearchNode* firstAtLeast(int32_t f) const;
    void linkInOrder(SearchNode* node, SearchNode* before, SearchNode* after);
    void attachLeaf(SearchNode* node, SearchNode* before, SearchNode* after);
    void rotateUp(SearchNode* node);
    static bool pull(SearchNode* node);
};
