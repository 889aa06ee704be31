#pragma once

#include "bosses/BossProjectile.hpp"

class Lujuria;

// What Lust brings to her stage: her lamp, the cone of her spotlight and the blackout. Each one
// follows her and reads her state through a plain link (she owns them, not they her), which she
// clears when she goes; light and darkness touch nobody.
class Companion : public BossProjectile {
public:
    Companion(Lujuria* owner, bool touchable);

    // The plain boxes of a body for the lamp; far out of everyone's way for light and dark.
    void updateHitboxes() override;

    // Cleared by Lust when she goes.
    Lujuria* owner;

private:
    bool touchable_;
};
