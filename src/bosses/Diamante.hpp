#pragma once

#include "bosses/BossProjectile.hpp"

// Greed's diamond: bounces along the floor away from Greed, chiming on every bounce.
class Diamante : public BossProjectile {
public:
    static constexpr double kSize = 1.5;
    static constexpr double kStartY = 7.4;
    static constexpr double kSpeed = 0.03;
    static constexpr double kBounceSpeed = -0.09;
    static constexpr double kGravity = 0.0012;
    // The floor it bounces off: its bottom just above y 9.0.
    static constexpr double kGroundY = 9.0;
    static constexpr double kGroundGap = 0.1;

    Diamante(double startX, int dir);

    bool update(WorldRect player, World& world) override;

    double vx;
    double vy = kBounceSpeed;
};
