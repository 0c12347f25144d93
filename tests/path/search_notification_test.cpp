#include <gtest/gtest.h>

#include "cost_grid.h"
#include "path/path_search.h"
#include "search_recorder.h"

namespace {
TEST(SearchNotifications, EveryListMoveAndLinkOfASmallSearchInOrder) {
    // Start (0,0), goal (1,0) costing 5: the goal waits behind both other cells.
    CostGrid grid{{".5", ".."}};
    PathSearch search;
    SearchRecorder recorder;
    useGrid(search, grid);
    recorder.attach(search);
    ASSERT_TRUE(search.findPath(0, 0, 1, 0));
    EXPECT_EQ(search.bestNode()->g, 5);

    const std::vector<Notice> expected = {
        listNotice(LIST_AT_HEAD, 0, 0),
        childNotice(NOTIFY_START, 0, 0),
        listNotice(LIST_POPPED, 0, 0),
        listNotice(LIST_CLOSED, 0, 0),
        // Neighbours of (0,0): (0,1) f 3, (1,0) f 5, (1,1) f 2.
        listNotice(LIST_AT_HEAD, 0, 1),
        childNotice(NOTIFY_NEW, 0, 0, 0, 1),
        listNotice(LIST_INSERTED, 0, 1, 1, 0),
        childNotice(NOTIFY_NEW, 0, 0, 1, 0),
        listNotice(LIST_AT_HEAD, 0, 1, 1, 1),
        childNotice(NOTIFY_NEW, 0, 0, 1, 1),
        listNotice(LIST_POPPED, 1, 1),
        listNotice(LIST_CLOSED, 1, 1),
        childNotice(NOTIFY_CLOSED_SAME, 1, 1, 0, 0),
        childNotice(NOTIFY_OPEN_SAME, 1, 1, 0, 1),
        childNotice(NOTIFY_OPEN_SAME, 1, 1, 1, 0),
        listNotice(LIST_POPPED, 0, 1),
        listNotice(LIST_CLOSED, 0, 1),
        childNotice(NOTIFY_CLOSED_SAME, 0, 1, 0, 0),
        childNotice(NOTIFY_OPEN_SAME, 0, 1, 1, 0),
        childNotice(NOTIFY_CLOSED_SAME, 0, 1, 1, 1),
        listNotice(LIST_POPPED, 1, 0),
        listNotice(LIST_CLOSED, 1, 0),
    };
    EXPECT_EQ(recorder.notices, expected);
}

TEST(SearchNotifications, ImprovementsAreReportedAgainstTheExpandedNode) {
    CostGrid grid{DETOUR_GRID};
    PathSearch search;
    SearchRecorder recorder;
    useGrid(search, grid);
    recorder.attach(search);
    EXPECT_FALSE(search.findPath(0, 0, 3, 0));
    std::vector<Notice> improvements;
    for (const Notice& n : recorder.notices)
        if (n.list == 'C' && (n.code == NOTIFY_OPEN_BETTER || n.code == NOTIFY_CLOSED_BETTER))
            improvements.push_back(n);
    EXPECT_EQ(improvements, (std::vector<Notice>{childNotice(NOTIFY_OPEN_BETTER, 0, 1, 1, 2),
                                                 childNotice(NOTIFY_CLOSED_BETTER, 1, 2, 2, 2)}));
}
} // namespace
