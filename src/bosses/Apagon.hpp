#pragma once

#include "bosses/Companion.hpp"

// The blackout of Lust's second phase: the stage goes dark but for a circle around the player.
// It fades in while Lust stands and out once she has fallen (or is gone), then removes itself.
// Its fade is its own: the shared spotlight texture only mirrors it when drawn, so without a
// texture it still fades and leaves.
class Apagon : public Companion {
public:
    static constexpr double kWidth = 33.0;
    static constexpr double kHeight = 16.0;
    // The lit circle is centred on the player's x and a little below the player's top.
    static constexpr double kLeftOfPlayer = 16.5;
    static constexpr double kAbovePlayer = 7.0;
    static constexpr int kOpaque = 255;
    static constexpr int kFadeIn = 3;
    static constexpr int kFadeOut = 5;

    explicit Apagon(Lujuria* owner);

    bool update(WorldRect player, World& world) override;
    // Hands the fade to the texture before a draw.
    void applyAlpha();

    int alpha = 0;
};
