#include "enemies/RandomDraw.hpp"

#include <climits>
#include <cmath>
#include <cstdlib>

std::optional<int> randomBelow(int n) {
    if (n < 1) {
        return std::nullopt;
    }
    return std::rand() % n;
}

std::optional<int> randomBelowTrunc(double span) {
    // NaN fails this test too, so it never reaches the conversion below.
    if (!(span >= 1.0)) {
        return std::nullopt;
    }
    const double whole = std::trunc(span);
    return randomBelow(whole >= static_cast<double>(INT_MAX) ? INT_MAX : static_cast<int>(whole));
}
