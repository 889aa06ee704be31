#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <set>

#include "enemies/RandomDraw.hpp"

TEST(RandomDraw, EmptyRangesDrawNothingAndOthersCoverTheirRange) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double span : {0.0, 0.99, -3.0, nan}) {
        EXPECT_FALSE(randomBelowTrunc(span).has_value()) << span;
    }
    EXPECT_FALSE(randomBelow(0).has_value());
    EXPECT_FALSE(randomBelow(-5).has_value());
    EXPECT_TRUE(randomBelowTrunc(1e20).has_value());
    std::srand(1);
    std::set<int> seen;
    for (int i = 0; i < 300; ++i) {
        seen.insert(randomBelowTrunc(3.7).value());
    }
    EXPECT_EQ(seen, (std::set<int>{0, 1, 2}));
}
