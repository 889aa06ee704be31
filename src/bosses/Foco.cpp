#include "bosses/Foco.hpp"

#include "bosses/BossTextures.hpp"
#include "bosses/Lujuria.hpp"

namespace {
constexpr WorldRect kNowhere{-20000.0, -20000.0, 0.0, 0.0};
}

Foco::Foco(Lujuria* lust) : owner(lust) {
    placeSprite((lust != nullptr ? lust->x : 0.0) + kOffset, 0.0, kWidth, kHeight,
                bossTextures().lampyLight, 0, 0, 512, 1152, 10000);
}

void Foco::updateHitboxes() {
    // Light does not hurt.
    hitbox = kNowhere;
    box2 = kNowhere;
}

bool Foco::update(WorldRect, Escena&) {
    if (owner == nullptr || owner->lampBroken) {
        vanish();
        return flipped;
    }
    x = owner->bodyX() + kOffset;
    return flipped;
}
