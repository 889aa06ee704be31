#include "bosses/Diamante.hpp"

#include "bosses/BossTextures.hpp"
#include "render/Audio.hpp"

Diamante::Diamante(double startX, int dir) : vx(dir * kSpeed) {
    placeSprite(startX, kStartY, kSize, kSize, bossTextures().greedSheet, 1344, 64, 192, 192);
}

bool Diamante::update(WorldRect, World& world) {
    x += vx;
    y += vy;
    vy += kGravity;
    if (y > kGroundY - h - kGroundGap) {
        vy = kBounceSpeed;
        audio::playSound("diamond");
    }
    updateHitboxes();
    if (partlyOutside(world)) {
        vanish();
    }
    return flipped;
}
