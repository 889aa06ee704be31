#pragma once

#include "bosses/Companion.hpp"

// The cone of Lust's spotlight, shining on her from the top of the stage while her lamp is
// whole. It never touches the player and goes out when the lamp breaks.
class Foco : public Companion {
public:
    static constexpr double kOffset = -0.5;
    static constexpr double kWidth = 4.0;
    static constexpr double kHeight = 9.0;

    explicit Foco(Lujuria* owner);

    // Follows her body; goes out when the lamp breaks or she is gone.
    bool update(WorldRect player, World& world) override;
};
