#pragma once

#include "bosses/BossProjectile.hpp"

// Valdro's wave: a wall of force that sweeps across the arena from his side, steady or
// gathering speed. Too tall to jump; the player dashes through it.
class Onda : public BossProjectile {
public:
    static constexpr double kSpeed = 0.08;
    static constexpr double kRushStartSpeed = 0.01;
    static constexpr double kRushAccel = 0.19 / 100.0;
    static constexpr double kTop = 4.0;
    static constexpr double kHeight = 5.0;
    // Where it starts, from the arena's middle: first-form waves, then the wider ones.
    static constexpr double kBehindMiddle = 4.0;
    static constexpr double kAheadOfMiddle = 2.0;
    static constexpr double kWideBehindMiddle = 5.0;
    static constexpr double kWideAheadOfMiddle = 3.0;

    // dir: +1 sweeps right, -1 left. Phases 2 and 3 send a wider wave. It starts a little off
    // the middle of the arena, on the side it comes from.
    Onda(int dir, bool accelerating, int phase, const WorldRect& arena);

    bool update(WorldRect player, World& world) override;

    double vx;
    double ax = 0.0;
    bool accelerating;
};
