#include "path/sight_test.h"

#include "path/passability.h"
#include "path/path_search.h"

bool sightTest(PathSearch& search, Cell from, Cell to) {
    // Searches that follow rely on the passability callback being back.
    const PathCallback saved = search.validFn;
    search.validFn = canSeeThrough;
    const bool clear = search.traceLine(from.x, from.y, to.x, to.y);
    search.validFn = saved;
    return clear;
}
