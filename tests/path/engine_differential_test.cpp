#include <gtest/gtest.h>

#include <memory>

#include "path/path_search.h"
#include "random_grid.h"
#include "search_transcript.h"
#include "support/reference_path_search.h"

namespace {
constexpr int32_t GRID_COUNT = 10000;
constexpr int32_t LARGEST_MAP_COUNT = 60;
// Both engines are also made afresh now and then, not only reused.
constexpr int32_t GRIDS_PER_ENGINE = 1000;

// How often the searches met what makes the fast engine hard to get right.
struct Coverage {
    int32_t found = 0;
    int32_t sharedIds = 0;
    int32_t unbounded = 0;
    int32_t steep = 0;
    int64_t childCodes[NOTIFY_NEW + 1] = {};

    void count(const RandomGrid& grid, const Transcript& transcript) {
        found += transcript.found ? 1 : 0;
        steep += grid.steep ? 1 : 0;
        sharedIds += grid.rows < grid.height ? 1 : 0;
        unbounded += grid.bounded ? 0 : 1;
        for (const CallRecord& call : transcript.calls)
            if (call.callback == 'C')
                ++childCodes[call.code];
    }
};

std::string mismatchReport(const RandomGrid& grid, const Transcript& reference,
                           const Transcript& game, const std::string& difference) {
    return grid.describe() + "first difference: " + difference +
           "\nreference: " + describeRoute(reference) + "\ngame:      " + describeRoute(game);
}

// Runs both engines on grids from the maker and stops at the first disagreement.
template <typename MakeGrid>
void compareEngines(int32_t gridCount, MakeGrid makeGrid, Coverage& coverage) {
    SplitMix rng{0x5EEDF00Dull};
    std::unique_ptr<ReferencePathSearch> reference;
    std::unique_ptr<PathSearch> game;
    for (int32_t i = 0; i < gridCount; ++i) {
        if (i % GRIDS_PER_ENGINE == 0) {
            reference = std::make_unique<ReferencePathSearch>();
            game = std::make_unique<PathSearch>();
        }
        const RandomGrid grid = makeGrid(rng);
        Transcript expected, actual;
        runRecorded(*reference, grid, expected);
        runRecorded(*game, grid, actual);
        const std::string difference = firstDifference(expected, actual);
        ASSERT_EQ(difference, "") << "grid " << i << ": "
                                  << mismatchReport(grid, expected, actual, difference);
        coverage.count(grid, expected);
    }
}
} // namespace

TEST(EngineDifferential, TheGameEngineAgreesWithTheReferenceOnRandomGrids) {
    Coverage coverage;
    compareEngines(GRID_COUNT, randomGrid, coverage);
    EXPECT_GT(coverage.found, GRID_COUNT / 2);
    EXPECT_LT(coverage.found, GRID_COUNT * 9 / 10);
    EXPECT_GT(coverage.sharedIds, GRID_COUNT / 10);
    EXPECT_GT(coverage.unbounded, GRID_COUNT / 50);
    EXPECT_GT(coverage.childCodes[NOTIFY_OPEN_BETTER], GRID_COUNT);
    EXPECT_GT(coverage.childCodes[NOTIFY_CLOSED_BETTER], GRID_COUNT / 10);
    EXPECT_GT(coverage.steep, GRID_COUNT / 50);
}

// Ids up to the largest map's, one engine reused over patches all across it.
TEST(EngineDifferential, TheGameEngineAgreesWithTheReferenceOnTheLargestMaps) {
    Coverage coverage;
    compareEngines(LARGEST_MAP_COUNT, largestMapGrid, coverage);
    EXPECT_GT(coverage.found, LARGEST_MAP_COUNT / 4);
    EXPECT_LT(coverage.found, LARGEST_MAP_COUNT);
}
