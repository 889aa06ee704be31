#pragma once

#include "bosses/BossProjectile.hpp"

// One of Valdro's skulls. How it flies depends on the spell that sent it:
// an arc fanning out from his hand, a drop from the ceiling, a weave about mid height, a row of
// a wall crossing the arena (row 0 flies below the floor and leaves a gap), or fire rain.
class Calavera : public BossProjectile {
public:
    enum Pattern : int { kArc = 1, kDrop = 2, kWeave = 3, kWall = 4, kRain = 5 };

    static constexpr double kSize = 1.4;
    // Weaving skulls swing about this height.
    static constexpr double kWeaveHeight = 4.5;

    // dir: +1 flies right, -1 left. index picks the skull within its group; shift moves a drop.
    // Where it starts is measured from the arena's middle and its walls.
    Calavera(int dir, int pattern, int index, int phase, double shift, const WorldRect& arena);

    bool update(WorldRect player, World& world) override;

    double vx = 0.0;
    double vy = 0.0;
    double ax = 0.0;
    double ay = 0.0;
    int pattern;
    int dir;

private:
    bool passedFarSide(const World& world) const;
};
