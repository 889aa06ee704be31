#include "bosses/Foco.hpp"

#include "bosses/BossTextures.hpp"
#include "bosses/Lujuria.hpp"

Foco::Foco(Lujuria* lust) : Companion(lust, false) {
    placeSprite((lust != nullptr ? lust->x : 0.0) + kOffset, 0.0, kWidth, kHeight,
                bossTextures().lampyLight, 0, 0, 512, 1152, 10000);
}

bool Foco::update(WorldRect, World&) {
    if (owner == nullptr || owner->lampBroken) {
        vanish();
        return flipped;
    }
    x = owner->bodyX() + kOffset;
    return flipped;
}
