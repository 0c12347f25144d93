// Routes as cell lists, and a side-by-side picture of the expected and the
// actual route on their map for failure messages.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

struct PathNode;

struct RouteCell {
    int32_t x;
    int32_t y;
    bool operator==(const RouteCell& other) const { return x == other.x && y == other.y; }
};
using Route = std::vector<RouteCell>;

std::ostream& operator<<(std::ostream& out, const RouteCell& cell);

// Start first, goal last; empty for no node.
Route routeTo(const PathNode* goal);

// Route cells are numbered 0-9, then a-z, over the map's own characters.
std::string drawRoutes(const std::vector<std::string>& map, const Route& expected,
                       const Route& actual);

::testing::AssertionResult routeIs(const std::vector<std::string>& map, const Route& actual,
                                   const Route& expected);
