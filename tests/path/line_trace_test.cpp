#include <set>
#include <utility>

#include <gtest/gtest.h>

#include "path/path_search.h"
#include "route_drawing.h"

namespace {
const std::vector<std::string> BLANK_5X5 = {".....", ".....", ".....", ".....", "....."};

// Notes every cell offered and refuses the listed ones.
struct Offers {
    Route cells;
    std::set<std::pair<int32_t, int32_t>> refused;
    bool sawParent = false;
};

int32_t noteOffer(const PathNode* parent, const PathNode* node, int32_t, intptr_t data) {
    Offers& offers = *reinterpret_cast<Offers*>(data);
    offers.cells.push_back({node->x, node->y});
    offers.sawParent |= parent != nullptr;
    return offers.refused.count({node->x, node->y}) ? 0 : 1;
}

struct Trace {
    bool clear;
    Offers offers;
};

Trace trace(RouteCell from, RouteCell to, std::set<std::pair<int32_t, int32_t>> refused = {}) {
    Trace result{false, Offers{{}, std::move(refused)}};
    PathSearch search;
    search.validFn = noteOffer;
    search.costData = reinterpret_cast<intptr_t>(&result.offers);
    result.clear = search.traceLine(from.x, from.y, to.x, to.y);
    return result;
}

TEST(LineTrace, OffersTheCellsOfEachLineFromFirstToLast) {
    const struct {
        RouteCell from, to;
        Route cells;
    } lines[] = {
        {{2, 3}, {2, 3}, {{2, 3}}},
        {{0, 0}, {4, 2}, {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}}},
        {{0, 0}, {4, 1}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}}},
        {{0, 0}, {3, 3}, {{0, 0}, {1, 1}, {2, 2}, {3, 3}}},
        {{0, 0}, {1, 3}, {{0, 0}, {0, 1}, {1, 2}, {1, 3}}},
        {{0, 0}, {2, 1}, {{0, 0}, {1, 1}, {2, 1}}},
        {{2, 1}, {0, 0}, {{2, 1}, {1, 0}, {0, 0}}},
    };
    for (const auto& line : lines) {
        SCOPED_TRACE(testing::Message() << line.from << " to " << line.to);
        const Trace result = trace(line.from, line.to);
        EXPECT_TRUE(result.clear);
        EXPECT_TRUE(routeIs(BLANK_5X5, result.offers.cells, line.cells));
        EXPECT_FALSE(result.offers.sawParent);
    }
}

TEST(LineTrace, SightIsNotSymmetric) {
    // A wall at (1,1) blocks the line out from (0,0) but not the one back.
    EXPECT_FALSE(trace({0, 0}, {2, 1}, {{1, 1}}).clear);
    EXPECT_TRUE(trace({2, 1}, {0, 0}, {{1, 1}}).clear);
}

TEST(LineTrace, ARefusedCellEndsTheWalk) {
    const Trace result = trace({0, 0}, {4, 0}, {{2, 0}});
    EXPECT_FALSE(result.clear);
    EXPECT_TRUE(routeIs(BLANK_5X5, result.offers.cells, {{0, 0}, {1, 0}, {2, 0}}));
}

TEST(LineTrace, BothEndCellsAreOffered) {
    EXPECT_FALSE(trace({0, 0}, {4, 2}, {{0, 0}}).clear);
    EXPECT_FALSE(trace({0, 0}, {4, 2}, {{4, 2}}).clear);
}
} // namespace
