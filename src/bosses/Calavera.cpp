#include "bosses/Calavera.hpp"

#include "bosses/BossTextures.hpp"
#include "scene/World.hpp"

namespace {
struct Start {
    double x;
    double y;
};

// Arcs leave from his hand, this far either side of the middle.
constexpr double kArcFromLeft = -5.2;
constexpr double kArcFromRight = 3.8;
// Drops fall at these distances from the middle, for skulls 1 to 3.
constexpr double kDropsRightward[4] = {0.0, 6.0, 3.0, 0.0};
constexpr double kDropsLeftward[4] = {0.0, -2.0, -5.0, -8.0};
// Fire rain comes in from behind the wall it starts at.
constexpr double kRainInset = 1.5;

Start startOf(int dir, int pattern, int index, double shift, const WorldRect& arena) {
    const bool right = dir > 0;
    const double middle = arena.centerX();
    // Skulls crossing the arena come in just outside the wall behind them.
    const double enterLeft = arena.x - Calavera::kSize;
    const double enterRight = arena.x + arena.w;
    switch (pattern) {
        case Calavera::kArc:
            return {middle + (right ? kArcFromLeft : kArcFromRight), 6.7};
        case Calavera::kDrop: {
            const int i = index >= 1 && index <= 3 ? index : 1;
            return {
                right ? middle + kDropsRightward[i] - shift : middle + kDropsLeftward[i] + shift,
                -1.4};
        }
        case Calavera::kWeave:
            return {right ? enterLeft : enterRight, 6.3};
        case Calavera::kWall: {
            const double rows[4] = {15.0, 4.3, 5.9, 7.5};
            return {right ? enterLeft : enterRight, rows[index >= 0 && index <= 3 ? index : 0]};
        }
        case Calavera::kRain:
        default: {
            const Start drops[3] = {{-1.5, -2.0}, {-3.0, -1.0}, {-4.5, 0.0}};
            const Start s = drops[index >= 0 && index <= 2 ? index : 0];
            return {right ? arena.x + s.x : arena.x + arena.w - kRainInset - s.x, s.y};
        }
    }
}
}  // namespace

Calavera::Calavera(int direction, int kind, int index, int phase, double shift,
                   const WorldRect& arena)
    : pattern(kind >= kArc && kind <= kRain ? kind : kRain), dir(direction > 0 ? 1 : -1) {
    const Start s = startOf(dir, pattern, index, shift, arena);
    placeSprite(s.x, s.y, kSize, kSize, bossTextures().valdro1Sheet, 3072, phase <= 1 ? 1280 : 1920,
                192, 192);
    box2.x = kParkedX;
    switch (pattern) {
        case kArc: {
            vx = dir * 0.03;
            ax = dir * 0.003;
            const double lift[4] = {0.0, -0.02, 0.0, 0.02};
            const double pull[4] = {0.0, -0.003, 0.0, 0.003};
            const int i = index >= 1 && index <= 3 ? index : 2;
            vy = lift[i];
            ay = pull[i];
            break;
        }
        case kDrop:
            vy = 0.07;
            break;
        case kWeave:
            vx = dir * 0.04;
            vy = index == 1 ? -0.09 : 0.09;
            ay = 0.0018;
            break;
        case kWall:
            vx = dir * 0.04;
            ax = dir * 0.0001;
            break;
        case kRain:
        default:
            vx = dir * 0.05;
            vy = 0.03;
            ay = 0.0003;
            break;
    }
}

bool Calavera::passedFarSide(const World& world) const {
    const WorldRect room = world.room();
    return dir > 0 ? x > room.x + room.w : x + w < room.x;
}

bool Calavera::update(WorldRect, World& world) {
    const WorldRect room = world.room();
    x += vx;
    y += vy;
    updateHitboxes();
    vy += ay;
    vx += ax;
    switch (pattern) {
        case kArc:
            if (whollyOutside(world)) {
                vanish();
            }
            break;
        case kDrop:
        case kRain:
            if (y > room.y + room.h) {
                vanish();
            }
            break;
        case kWeave:
            if (y + h / 2.0 > kWeaveHeight) {
                vy -= 2.0 * ay;
            }
            if (passedFarSide(world)) {
                vanish();
            }
            break;
        case kWall:
        default:
            if (passedFarSide(world)) {
                vanish();
            }
            break;
    }
    return flipped;
}
