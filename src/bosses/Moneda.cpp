#include "bosses/Moneda.hpp"

#include "bosses/BossTextures.hpp"

Moneda::Moneda(double startX, double startY, double startVy, int dir)
    : vx(dir * kSpeed), vy(startVy) {
    placeSprite(startX, startY, kSize, kSize, bossTextures().greedSheet, 1216, 320, 192, 192);
}

bool Moneda::update(WorldRect, World&) {
    x += vx;
    y += vy;
    vy += kGravity;
    updateHitboxes();
    if (y > kFloorY) {
        vanish();
    }
    return flipped;
}
