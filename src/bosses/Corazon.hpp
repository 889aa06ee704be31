#pragma once

#include "bosses/BossProjectile.hpp"

// A heart blown by Lust's kiss: either a wavy one that bobs up and down about its start height
// as it flies away from her, or one aimed at the player.
class Corazon : public BossProjectile {
public:
    static constexpr double kSize = 1.0;
    static constexpr double kWavySpeed = 0.04;
    static constexpr double kWavyLift = -0.08;
    static constexpr double kAimedSpeed = 0.05;
    static constexpr double kWaveAccel = 0.0015;

    Corazon(double startX, double startY, int dir, bool wavy, WorldRect player);

    bool update(WorldRect player, World& world) override;

    double vx;
    double vy;
    double waveAccel = kWaveAccel;
    double baseY;
    bool wavy;
};
