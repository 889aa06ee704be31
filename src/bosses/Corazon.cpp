#include "bosses/Corazon.hpp"

#include <cmath>

#include "bosses/BossTextures.hpp"

Corazon::Corazon(double startX, double startY, int dir, bool isWavy, WorldRect player)
    : vx(dir * kWavySpeed), vy(kWavyLift), baseY(startY), wavy(isWavy) {
    placeSprite(startX, startY, kSize, kSize, bossTextures().lustSheet, 3456, 640, 128, 128);
    box2.x = kParkedX;
    if (!wavy) {
        const double dx = player.centerX() - (x + kSize / 2.0);
        const double dy = player.centerY() - (y + kSize / 2.0);
        const double n = std::hypot(dx, dy);
        if (n > 0.0) {
            vx = dx / n * kAimedSpeed;
            vy = dy / n * kAimedSpeed;
        } else {
            // The player covers the kiss: there is no direction, so it flies straight ahead.
            vx = dir * kAimedSpeed;
            vy = 0.0;
        }
    }
}

bool Corazon::update(WorldRect, World& world) {
    x += vx;
    y += vy;
    updateHitboxes();
    if (wavy) {
        vy += y <= baseY ? waveAccel : -waveAccel;
    }
    if (whollyOutside(world)) {
        vanish();
    }
    return flipped;
}
