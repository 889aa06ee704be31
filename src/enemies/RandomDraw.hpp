#pragma once

#include <optional>

// The game's random draws are rand() modulo n. A modulus of 0 or less would divide by zero (a
// level too small for a teleport, say), so every draw goes through these guards: nothing is
// drawn and the caller keeps its current choice.

// rand() % n, or nothing when n < 1.
std::optional<int> randomBelow(int n);

// rand() % trunc(span), or nothing when the truncated span is below 1 or not a number.
// Spans too large for an int are drawn over the whole int range.
std::optional<int> randomBelowTrunc(double span);
