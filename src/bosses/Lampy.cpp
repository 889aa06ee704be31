#include "bosses/Lampy.hpp"

#include "actors/Disparo.hpp"
#include "bosses/BossTextures.hpp"
#include "bosses/Lujuria.hpp"

Lampy::Lampy(Lujuria* lust) : Companion(lust, true) {
    sheet = bossTextures().lampySheet;
    x = (lust != nullptr ? lust->x : 0.0) + kCreateOffset;
    y = kHangY;
    w = h = kSize;
    maxHp = hp = kHealth;
    parkOffScreen();
    updateHitboxes();
    addAnimation("idle", 4, 0, 0, 128, 128, 16, true, false);
    addAnimation("damage", 1, 0, 128, 128, 128, 10, false, false);
    addAnimation("death", 4, 0, 128, 128, 128, 16, false, false);
    setAnimation("idle");
}

bool Lampy::update(WorldRect, World&) {
    if (owner != nullptr) {
        x = owner->bodyX() + kHangOffset;
    }
    updateHitboxes();
    return flipped;
}

bool Lampy::hitByShot(std::shared_ptr<Disparo> shot) {
    if (!shot || dying || !overlaps(shot->rect(), hitbox)) {
        return false;
    }
    hp -= shot->damage;
    if (hp < 1) {
        if (owner != nullptr) {
            owner->lampBroken = true;
        }
        startDying();
    } else {
        playDamage();
    }
    return true;
}
