#include <gtest/gtest.h>

#include <climits>

#include "path/node_index.h"

namespace {
SearchNode* fake(intptr_t n) {
    return reinterpret_cast<SearchNode*>(n * 64);
}
} // namespace

TEST(NodeIndex, FindsWhatWasAddedWhereverTheIdsLie) {
    NodeIndex index;
    const int32_t ids[] = {5, -3, 70000, INT32_MIN, INT32_MAX, 6, 1 << 28, -(1 << 29), 0};
    intptr_t n = 1;
    for (int32_t id : ids) {
        EXPECT_EQ(index.find(id), nullptr) << id;
        index.add(id, fake(n++));
    }
    n = 1;
    for (int32_t id : ids)
        EXPECT_EQ(index.find(id), fake(n++)) << id;
    EXPECT_EQ(index.find(7), nullptr);
    EXPECT_EQ(index.find(INT32_MAX - 1), nullptr);
}

TEST(NodeIndex, ClearingForgetsEveryNode) {
    NodeIndex index;
    index.add(10, fake(1));
    index.add(INT32_MIN, fake(2));
    index.clear();
    EXPECT_EQ(index.find(10), nullptr);
    EXPECT_EQ(index.find(INT32_MIN), nullptr);
    index.add(10, fake(3));
    EXPECT_EQ(index.find(10), fake(3));
}

TEST(NodeIndex, AWideningTableKeepsTheNodesOfThisSearch) {
    NodeIndex index;
    for (int32_t id = 0; id < 5000; ++id)
        index.add(id * 7 - 20000, fake(id + 1));
    for (int32_t id = 0; id < 5000; ++id)
        ASSERT_EQ(index.find(id * 7 - 20000), fake(id + 1)) << id;
}
