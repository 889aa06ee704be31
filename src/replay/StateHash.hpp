#pragma once

#include <cstdint>
#include <string>

class Game;
class Mortal;
class Renderizable;

// A fingerprint of where a game stands: the screen shown, the hero, every enemy, the boss,
// every shot and item, the run's bookkeeping, the play clock and both random sources. Two games
// that played the same way have the same fingerprint; a replay that drifted by a single step
// does not. Numbers are taken bit for bit, so no rounding hides a drift.
class StateHash {
public:
    StateHash& add(std::int64_t value);
    StateHash& add(double value);
    StateHash& add(bool value) { return add(static_cast<std::int64_t>(value ? 1 : 0)); }
    StateHash& add(int value) { return add(static_cast<std::int64_t>(value)); }
    StateHash& add(const Renderizable& thing);
    StateHash& add(const Mortal& mortal);
    // 16 hex digits.
    std::string hex() const;

    // The whole game. Draws one number from the C generator, so take it once, at the end.
    static std::string of(Game& game);

private:
    std::uint64_t value_ = 14695981039346656037ull;  // FNV-1a, 64 bits
};
