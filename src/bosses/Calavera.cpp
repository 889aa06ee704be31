#include "bosses/Calavera.hpp"

#include "bosses/BossTextures.hpp"
#include "scene/Escena.hpp"

namespace {
struct Start {
    double x;
    double y;
};

// The far side of the 16-wide arena, mirrored for skulls sent leftwards.
constexpr double kEnterLeft = -1.4;
constexpr double kEnterRight = 16.0;
constexpr double kRainMirror = 14.5;

Start startOf(int dir, int pattern, int index, double shift) {
    const bool right = dir > 0;
    switch (pattern) {
        case Calavera::kArc:
            return {right ? 2.8 : 11.8, 6.7};
        case Calavera::kDrop: {
            const double fromRight[4] = {0.0, 14.0, 11.0, 8.0};
            const double fromLeft[4] = {0.0, 6.0, 3.0, 0.0};
            const int i = index >= 1 && index <= 3 ? index : 1;
            return {right ? fromRight[i] - shift : fromLeft[i] + shift, -1.4};
        }
        case Calavera::kWeave:
            return {right ? kEnterLeft : kEnterRight, 6.3};
        case Calavera::kWall: {
            const double rows[4] = {15.0, 4.3, 5.9, 7.5};
            return {right ? kEnterLeft : kEnterRight, rows[index >= 0 && index <= 3 ? index : 0]};
        }
        case Calavera::kRain:
        default: {
            const Start drops[3] = {{-1.5, -2.0}, {-3.0, -1.0}, {-4.5, 0.0}};
            const Start s = drops[index >= 0 && index <= 2 ? index : 0];
            return {right ? s.x : kRainMirror - s.x, s.y};
        }
    }
}
}  // namespace

Calavera::Calavera(int direction, int kind, int index, int phase, double shift)
    : pattern(kind >= kArc && kind <= kRain ? kind : kRain), dir(direction > 0 ? 1 : -1) {
    const Start s = startOf(dir, pattern, index, shift);
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

bool Calavera::passedFarSide(const Escena& scene) const {
    return dir > 0 ? x > scene.x + scene.w : x + w < scene.x;
}

bool Calavera::update(WorldRect, Escena& scene) {
    x += vx;
    y += vy;
    updateHitboxes();
    vy += ay;
    vx += ax;
    switch (pattern) {
        case kArc:
            if (whollyOutside(scene)) {
                vanish();
            }
            break;
        case kDrop:
        case kRain:
            if (y > scene.y + scene.h) {
                vanish();
            }
            break;
        case kWeave:
            if (y + h / 2.0 > kWeaveHeight) {
                vy -= 2.0 * ay;
            }
            if (passedFarSide(scene)) {
                vanish();
            }
            break;
        case kWall:
        default:
            if (passedFarSide(scene)) {
                vanish();
            }
            break;
    }
    return flipped;
}
