#include "path/path_search.h"

// Bresenham's walk. The minor axis steps as soon as the error reaches 0, which
// settles lines passing exactly between two cells, and makes a line and its
// reverse differ.
bool PathSearch::traceLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    PathNode cell;
    initNode(cell, -1, -1);
    cell.x = x0;
    cell.y = y0;

    int32_t dx = x1 - x0;
    int32_t dy = y1 - y0;
    const int32_t sx = dx >= 0 ? 1 : -1;
    const int32_t sy = dy >= 0 ? 1 : -1;
    dx *= sx;
    dy *= sy;
    const int32_t ax2 = 2 * dx;
    const int32_t ay2 = 2 * dy;

    const bool xMajor = dx > dy;
    // Walk along the major axis; "minor" names the other one.
    int32_t& major = xMajor ? cell.x : cell.y;
    int32_t& minor = xMajor ? cell.y : cell.x;
    const int32_t majorStep = xMajor ? sx : sy;
    const int32_t minorStep = xMajor ? sy : sx;
    const int32_t majorLength = xMajor ? dx : dy;
    const int32_t major2 = xMajor ? ax2 : ay2;
    const int32_t minor2 = xMajor ? ay2 : ax2;

    int32_t err = minor2 - majorLength;
    for (int32_t i = 0; i <= majorLength; ++i) {
        if (!invokeCallback(validFn, nullptr, &cell, QUERY_CODE, costData))
            return false;
        if (err >= 0) {
            err -= major2;
            minor += minorStep;
        }
        err += minor2;
        major += majorStep;
    }
    return true;
}
