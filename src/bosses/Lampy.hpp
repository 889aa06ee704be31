#pragma once

#include "bosses/Companion.hpp"

// Lust's lamp, hanging above her. While it is whole she cannot be hurt; shooting it down breaks
// it for good (even before the fight has started).
class Lampy : public Companion {
public:
    static constexpr double kSize = 1.5;
    static constexpr double kHangY = 0.75;
    static constexpr double kCreateOffset = 1.0;
    static constexpr double kHangOffset = 0.75;
    static constexpr int kHealth = 20;

    explicit Lampy(Lujuria* owner);

    bool update(WorldRect player, World& world) override;
    bool hitByShot(std::shared_ptr<Disparo> shot) override;
    const char* hitSoundKey() const override { return "blankyHit"; }
};
