#include "bosses/Onda.hpp"

#include "bosses/BossTextures.hpp"
#include "scene/World.hpp"

Onda::Onda(int dir, bool rushing, int phase, const WorldRect& arena)
    : vx(dir * kSpeed), accelerating(rushing) {
    const bool firstPhase = phase <= 1;
    const double width = firstPhase ? 2.0 : 3.0;
    const double middle = arena.centerX();
    const double behind = firstPhase ? kBehindMiddle : kWideBehindMiddle;
    const double ahead = firstPhase ? kAheadOfMiddle : kWideAheadOfMiddle;
    const double startX = dir > 0 ? middle - behind : middle + ahead;
    placeSprite(startX, kTop, width, kHeight, bossTextures().valdro1Sheet, 2688,
                firstPhase ? 1280 : 1920, firstPhase ? 256 : 384, 640);
    box2.x = kParkedX;
    flipped = dir > 0;
    if (accelerating) {
        vx = dir * kRushStartSpeed;
        ax = dir * kRushAccel;
    }
}

bool Onda::update(WorldRect, World& world) {
    const WorldRect room = world.room();
    x += vx;
    updateHitboxes();
    if (accelerating) {
        vx += ax;
    }
    if (x + w < room.x || x > room.x + room.w) {
        vanish();
    }
    return flipped;
}
