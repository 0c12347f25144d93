// Link stand-ins for the path engine and the movement rules, which are built
// on their own branch. Delete this file once they are merged.
#include "path/movement_rules.h"
#include "path/path_search.h"

PathSearch::PathSearch()
    : costFn(nullptr), validFn(nullptr), childNotifyFn(nullptr), listNotifyFn(nullptr), costData(0),
      notifyData(0) {}
PathSearch::~PathSearch() {}
void PathSearch::setRows(int32_t count) {
    rows = count;
}

PathSearch pathSearch;

int32_t canEnter(const PathNode*, const PathNode*, int32_t, intptr_t) {
    return 1;
}
int32_t stepCost(const PathNode*, const PathNode*, int32_t, intptr_t) {
    return 1;
}
