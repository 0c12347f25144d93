#include "random_grid.h"

#include <climits>
#include <sstream>

uint64_t SplitMix::next() {
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

int32_t SplitMix::below(int32_t bound) {
    return static_cast<int32_t>(next() % static_cast<uint64_t>(bound));
}

bool SplitMix::percent(int32_t chance) {
    return below(100) < chance;
}

namespace {
bool inside(const RandomGrid& grid, int32_t x, int32_t y) {
    return x >= 0 && y >= 0 && x < grid.width && y < grid.height;
}

// Mostly small maps: the reference engine is quadratic in the cells it closes.
int32_t randomSide(SplitMix& rng) {
    const int32_t band = rng.below(100);
    if (band < 80)
        return 1 + rng.below(16);
    if (band < 98)
        return 17 + rng.below(24);
    return 41 + rng.below(24);
}

constexpr int32_t STEEP_STYLE = 3;
// Past the widest spread of f the fast engine finds by bucket.
constexpr int32_t STEEPEST_PRICE = 1 << 18;
constexpr int32_t LARGEST_SIDE = 480;
constexpr int32_t PATCH_SIDE = 48;

int32_t randomPrice(SplitMix& rng, int32_t wallChance, int32_t priceStyle) {
    if (rng.percent(wallChance))
        return 0;
    switch (priceStyle) {
    case 0:
        return 1;
    case 1:
        return 1 + rng.below(9);
    case STEEP_STYLE:
        return rng.percent(50) ? 1 : 1 + rng.below(STEEPEST_PRICE);
    default:
        return rng.percent(85) ? 1 : 2 + rng.below(8);
    }
}

int32_t randomPriceStyle(SplitMix& rng) {
    return rng.percent(3) ? STEEP_STYLE : rng.below(3);
}

int32_t randomWallChance(SplitMix& rng) {
    static const int32_t WALL_CHANCES[] = {0, 5, 15, 25, 35, 45, 60};
    return WALL_CHANCES[rng.below(7)];
}

int32_t randomRows(SplitMix& rng, int32_t height) {
    const int32_t pick = rng.below(100);
    if (pick < 15 && height > 1)
        return 1 + rng.below(height - 1); // two cells may share an id
    if (pick < 20)
        return height + 1 + rng.below(8);
    if (pick < 21)
        return -rng.below(4);
    if (pick < 22)
        return 100000 + rng.below(1 << 20); // ids too scattered for a table
    if (pick < 23)
        return INT32_MAX - rng.below(4); // ids wrap around
    return height;
}

void placeEnds(RandomGrid& grid, SplitMix& rng) {
    grid.startX = rng.below(grid.width);
    grid.startY = rng.below(grid.height);
    grid.goalX = rng.below(grid.width);
    grid.goalY = rng.below(grid.height);
    if (rng.percent(5)) {
        // Outside the grid: reachable only with a margin.
        grid.goalX = -1 - rng.below(3);
        grid.goalY = grid.height + rng.below(3);
    }
}

// No validFn at all: the search is unbounded, so keep the goal near the start.
void unbound(RandomGrid& grid, SplitMix& rng) {
    grid.bounded = false;
    grid.margin = 0;
    grid.goalX = grid.startX + rng.below(9) - 4;
    grid.goalY = grid.startY + rng.below(9) - 4;
}
} // namespace

bool RandomGrid::open(int32_t x, int32_t y) const {
    if (inside(*this, x, y))
        return prices[y * width + x] != 0;
    return x >= -margin && y >= -margin && x < width + margin && y < height + margin;
}

int32_t RandomGrid::price(int32_t x, int32_t y) const {
    if (!inside(*this, x, y))
        return 1;
    const int32_t cellPrice = prices[y * width + x];
    return cellPrice ? cellPrice : 1;
}

RandomGrid randomGrid(SplitMix& rng) {
    RandomGrid grid;
    grid.width = randomSide(rng);
    grid.height = rng.percent(80) ? grid.width : randomSide(rng);
    const int32_t wallChance = randomWallChance(rng);
    const int32_t priceStyle = randomPriceStyle(rng);
    grid.steep = priceStyle == STEEP_STYLE;
    grid.prices.resize(grid.width * grid.height);
    for (int32_t& cellPrice : grid.prices)
        cellPrice = randomPrice(rng, wallChance, priceStyle);
    grid.rows = randomRows(rng, grid.height);
    grid.margin = rng.percent(10) ? 1 + rng.below(3) : 0;
    grid.priced = rng.percent(90);
    grid.stepwise = rng.percent(10);
    placeEnds(grid, rng);
    // Steep prices would drive an unbounded search far out.
    if (!grid.steep && grid.width * grid.height <= 64 && rng.percent(10))
        unbound(grid, rng);
    return grid;
}

RandomGrid largestMapGrid(SplitMix& rng) {
    RandomGrid grid;
    grid.width = grid.height = grid.rows = LARGEST_SIDE;
    grid.prices.assign(LARGEST_SIDE * LARGEST_SIDE, 0);
    const int32_t side = 1 + rng.below(PATCH_SIDE);
    const int32_t left = rng.below(LARGEST_SIDE - side + 1);
    const int32_t top = rng.below(LARGEST_SIDE - side + 1);
    const int32_t wallChance = randomWallChance(rng);
    const int32_t priceStyle = randomPriceStyle(rng);
    grid.steep = priceStyle == STEEP_STYLE;
    for (int32_t y = top; y < top + side; ++y)
        for (int32_t x = left; x < left + side; ++x)
            grid.prices[y * LARGEST_SIDE + x] = randomPrice(rng, wallChance, priceStyle);
    grid.priced = rng.percent(90);
    grid.stepwise = rng.percent(10);
    grid.startX = left + rng.below(side);
    grid.startY = top + rng.below(side);
    grid.goalX = left + rng.below(side);
    grid.goalY = top + rng.below(side);
    return grid;
}

std::string RandomGrid::describe() const {
    std::ostringstream out;
    out << width << 'x' << height << " rows " << rows << " margin " << margin
        << (bounded ? "" : " no validFn") << (priced ? "" : " no costFn")
        << (stepwise ? " stepwise" : "") << ", from (" << startX << ',' << startY << ") to ("
        << goalX << ',' << goalY << ")\n";
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const int32_t cellPrice = prices[y * width + x];
            out << (cellPrice == 0   ? '#'
                    : cellPrice == 1 ? '.'
                    : cellPrice > 9  ? '^'
                                     : static_cast<char>('0' + cellPrice));
        }
        out << '\n';
    }
    return out.str();
}
