#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <set>

#include "enemies/RandomDraw.hpp"

TEST(RandomDraw, NothingIsDrawnForAnEmptyRange) {
    for (int n : {0, -1, -100, std::numeric_limits<int>::min()}) {
        EXPECT_FALSE(randomBelow(n).has_value()) << n;
    }
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double span : {0.0, 0.99, -0.5, -3.0, nan, -std::numeric_limits<double>::infinity()}) {
        EXPECT_FALSE(randomBelowTrunc(span).has_value()) << span;
    }
}

TEST(RandomDraw, DrawsCoverExactlyTheTruncatedRange) {
    std::srand(1);
    const struct {
        double span;
        int values;
    } cases[] = {{1.0, 1}, {1.99, 1}, {3.0, 3}, {3.7, 3}};
    for (const auto& c : cases) {
        std::set<int> seen;
        for (int i = 0; i < 500; ++i) {
            const auto drawn = randomBelowTrunc(c.span);
            ASSERT_TRUE(drawn.has_value());
            seen.insert(*drawn);
        }
        EXPECT_EQ(static_cast<int>(seen.size()), c.values) << c.span;
        EXPECT_EQ(*seen.begin(), 0);
        EXPECT_EQ(*seen.rbegin(), c.values - 1);
    }
    std::set<int> seen;
    for (int i = 0; i < 500; ++i) {
        seen.insert(randomBelow(4).value());
    }
    EXPECT_EQ(seen, (std::set<int>{0, 1, 2, 3}));
}

TEST(RandomDraw, HugeSpansStillDrawAnInt) {
    for (double span : {1e20, std::numeric_limits<double>::infinity()}) {
        const auto drawn = randomBelowTrunc(span);
        ASSERT_TRUE(drawn.has_value());
        EXPECT_GE(*drawn, 0);
    }
}
