#include "bosses/Perla.hpp"

#include "bosses/BossTextures.hpp"

Perla::Perla(double startX, int dir) : vx(dir * kSpeed) {
    placeSprite(startX, kFloorY, kSize, kSize, bossTextures().greedSheet, 1088, 64, 192, 192);
}

bool Perla::update(WorldRect, World& world) {
    x += vx;
    updateHitboxes();
    if (partlyOutside(world)) {
        vanish();
    }
    return flipped;
}
