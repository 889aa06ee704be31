#pragma once

#include "bosses/BossProjectile.hpp"

class Lujuria;

// The cone of Lust's spotlight, shining on her from the top of the stage while her lamp is
// whole. It never touches the player and goes out when the lamp breaks.
class Foco : public BossProjectile {
public:
    static constexpr double kOffset = -0.5;
    static constexpr double kWidth = 4.0;
    static constexpr double kHeight = 9.0;

    explicit Foco(Lujuria* owner);

    bool update(WorldRect player, Escena& scene) override;
    void updateHitboxes() override;

    // Cleared by Lust when she goes; the light then goes out.
    Lujuria* owner;
};
