#include "bosses/Companion.hpp"

namespace {
constexpr WorldRect kNowhere{-20000.0, -20000.0, 0.0, 0.0};
}

Companion::Companion(Lujuria* lust, bool touchable) : owner(lust), touchable_(touchable) {}

void Companion::updateHitboxes() {
    if (touchable_) {
        BossProjectile::updateHitboxes();
        return;
    }
    hitbox = kNowhere;
    box2 = kNowhere;
}
