#include "route_drawing.h"

#include <algorithm>
#include <sstream>

#include "path/path_search.h"

namespace {
const char ORDER_MARKS[] = "0123456789abcdefghijklmnopqrstuvwxyz";
constexpr size_t MARK_COUNT = sizeof(ORDER_MARKS) - 1;
constexpr int32_t COLUMN_GAP = 4;

std::vector<std::string> markRoute(std::vector<std::string> map, const Route& route) {
    for (size_t i = 0; i < route.size(); ++i) {
        const RouteCell& cell = route[i];
        if (cell.y < 0 || cell.y >= static_cast<int32_t>(map.size()) || cell.x < 0 ||
            cell.x >= static_cast<int32_t>(map[cell.y].size()))
            continue; // off the map: listed in the text below the picture
        map[cell.y][cell.x] = i < MARK_COUNT ? ORDER_MARKS[i] : '*';
    }
    return map;
}

std::string padded(const std::string& text, size_t width) {
    return text + std::string(width > text.size() ? width - text.size() : 0, ' ');
}

std::string listRoute(const Route& route) {
    std::ostringstream out;
    for (const RouteCell& cell : route)
        out << cell << ' ';
    return out.str();
}
} // namespace

std::ostream& operator<<(std::ostream& out, const RouteCell& cell) {
    return out << '(' << cell.x << ',' << cell.y << ')';
}

Route routeTo(const PathNode* goal) {
    Route route;
    for (const PathNode* node = goal; node; node = node->parent)
        route.insert(route.begin(), RouteCell{node->x, node->y});
    return route;
}

std::string drawRoutes(const std::vector<std::string>& map, const Route& expected,
                       const Route& actual) {
    const std::vector<std::string> left = markRoute(map, expected);
    const std::vector<std::string> right = markRoute(map, actual);
    size_t width = std::string("expected").size();
    for (const std::string& row : map)
        width = std::max(width, row.size());
    std::ostringstream out;
    out << padded("expected", width + COLUMN_GAP) << "actual\n";
    for (size_t row = 0; row < map.size(); ++row)
        out << padded(left[row], width + COLUMN_GAP) << right[row] << '\n';
    out << "expected: " << listRoute(expected) << "\nactual:   " << listRoute(actual) << '\n';
    return out.str();
}

::testing::AssertionResult routeIs(const std::vector<std::string>& map, const Route& actual,
                                   const Route& expected) {
    if (actual == expected)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "route differs\n" << drawRoutes(map, expected, actual);
}
