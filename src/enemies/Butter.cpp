#include "enemies/Butter.hpp"

#include <algorithm>

#include "actors/Disparo.hpp"
#include "enemies/RandomDraw.hpp"
#include "render/Audio.hpp"
#include "render/EnemyTextures.hpp"
#include "scene/World.hpp"

namespace {
constexpr double kSize = 1.5;
constexpr int kFrame = 128;
// Butter is awake from the first frame wherever the player is.
constexpr double kSightRange = 1000.0;
constexpr int kSkipWait = 50;
constexpr double kDropSize = 0.75;
constexpr int kDropLifetime = 600;
constexpr double kDropRange = 15.0;
constexpr SDL_Rect kDropSource{0, 0, 100, 100};
}  // namespace

Butter::Butter(double startX, double startY, double patrolMinX, double patrolMaxX, int level)
    : minX(patrolMinX), maxX(patrolMaxX) {
    placeBody(startX, startY, kSize, enemyTextures().butterSheet);
    maxHp = hp = 4 * level + 12;
    score = 75 * level;
    coinValue = 1;
    sightRange = kSightRange;
    addAnimation("idle", 4, 0, 0, kFrame, kFrame, 16, true, false);
    addAnimation("damage", 1, 0, 128, kFrame, kFrame, 16, false, false);
    addAnimation("death", 4, 0, 128, kFrame, kFrame, 16, false, false);
}

bool Butter::update(WorldRect /*player*/, World& world) {
    if (dropTimer == 0) {
        decideDrop(world);
    } else {
        dropTimer -= 1;
    }
    patrol();
    updateHitboxes();
    flipped = patrolSpeed < 0.0;  // the sheet faces right
    return flipped;
}

void Butter::decideDrop(World& world) {
    if (randomBelow(2).value_or(0) == 0) {
        dropTimer = kSkipWait;
        return;
    }
    const double dropX = dropRight ? x + w - kDropSize : x;
    world.addEnemyShot(std::make_shared<Disparo>(
        0.0, 0.0, 0.0, 0.0, 1, dropX, y + h - kDropSize, enemyTextures().butterDrop, kDropRange,
        kDropSource, kDropLifetime, 0.0, kDropSize, kDropSize));
    dropTimer = dropInterval;
    audio::playSound("shootButter");
}

void Butter::patrol() {
    double step = patrolSpeed;
    // It turns on the frame its next step would cross a limit; the dropping then goes at the
    // foot it walks away from.
    if (x + w + step > maxX) {
        dropRight = true;
        step = -step;
    } else if (x + step < minX) {
        dropRight = false;
        step = -step;
    }
    patrolSpeed = step;
    x = step > 0.0 ? std::min(x + step, maxX - w) : std::max(x + step, minX);
}
