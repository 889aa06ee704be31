#pragma once

#include "bosses/BossProjectile.hpp"

// One of Greed's coins: tossed up and away from Greed, it falls until it drops through the floor.
class Moneda : public BossProjectile {
public:
    static constexpr double kSize = 1.0;
    static constexpr double kSpeed = 0.06;
    static constexpr double kGravity = 0.001;
    static constexpr double kFloorY = 9.0;

    Moneda(double startX, double startY, double startVy, int dir);

    bool update(WorldRect player, World& world) override;

    double vx;
    double vy;
};
