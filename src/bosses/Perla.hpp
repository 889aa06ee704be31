#pragma once

#include "bosses/BossProjectile.hpp"

// Greed's pearl: rolls along the floor away from Greed until it leaves the scene.
class Perla : public BossProjectile {
public:
    static constexpr double kSize = 1.5;
    static constexpr double kFloorY = 7.4;
    static constexpr double kSpeed = 0.07;

    // dir: +1 rolls right, -1 left.
    Perla(double startX, int dir);

    bool update(WorldRect player, World& world) override;

    double vx;
};
