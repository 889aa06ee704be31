#include "enemies/Blanky.hpp"

#include <algorithm>
#include <cmath>

#include "actors/Disparo.hpp"
#include "enemies/RandomDraw.hpp"
#include "render/Audio.hpp"
#include "render/EnemyTextures.hpp"
#include "scene/World.hpp"

namespace {
constexpr double kSize = 1.5;
constexpr int kFrame = 128;
constexpr int kLongestCycle = 500;
constexpr int kShortestCycle = 400;
constexpr int kCycleShortenedPerLevel = 20;
// Frames into the cycle: the move happens while "puf" (3 × 16 ticks) is about to end.
constexpr int kTeleportFrame = 46;
constexpr int kReformFrame = 100;
constexpr double kParked = -1000.0;
// Keeps the reformed ghost from landing right on top of the player.
constexpr double kSideStep = 4.0;
constexpr double kShotRange = 15.0;
constexpr double kShotSize = 0.5;
constexpr SDL_Rect kShotSource{0, 0, 100, 100};
}  // namespace

Blanky::Blanky(double startX, double startY, int level)
    : cycleLength(std::max(kLongestCycle - kCycleShortenedPerLevel * level, kShortestCycle)) {
    placeBody(startX, startY, kSize, enemyTextures().blankySheet);
    maxHp = hp = 4 * level + 9;
    score = 50 * level;
    coinValue = 1;
    sightRange = 10.0;
    addAnimation("idle", 4, 0, 0, kFrame, kFrame, 16, true, false);
    addAnimation("puf", 3, 0, 128, kFrame, kFrame, 16, false, false, "fup");
    addAnimation("fup", 3, 0, 128, kFrame, kFrame, 16, false, true);
    addAnimation("damage", 1, 0, 256, kFrame, kFrame, 10, false, false);
    addAnimation("death", 4, 0, 256, kFrame, kFrame, 16, false, false);
}

Blanky::Step Blanky::currentStep() const {
    if (cycleTimer < 1) {
        return Step::Dissolve;
    }
    if (cycleTimer == cycleLength - kTeleportFrame) {
        return Step::Teleport;
    }
    if (cycleTimer == cycleLength - kReformFrame) {
        return Step::Reform;
    }
    return Step::Wait;
}

bool Blanky::update(WorldRect player, World& world) {
    switch (currentStep()) {
        case Step::Dissolve:
            dissolve();
            break;
        case Step::Teleport:
            teleport(player, world);
            cycleTimer -= 1;
            break;
        case Step::Reform:
            reformAndShoot(player, world);
            cycleTimer -= 1;
            break;
        case Step::Wait:
            cycleTimer -= 1;
            break;
    }
    flipped = x > player.x;
    return flipped;
}

void Blanky::dissolve() {
    cycleTimer = cycleLength;
    // Blanky is untouchable until it reforms.
    hitbox.x = hitbox.y = kParked;
    box2.x = box2.y = kParked;
    setAnimation("puf");
}

void Blanky::teleport(const WorldRect& player, const World& world) {
    const WorldRect room = world.room();
    const double bx = room.x, by = room.y, bw = room.w, bh = room.h;
    const std::optional<int> column = randomBelowTrunc(bw - w);
    const std::optional<int> row = randomBelowTrunc(bh / 2.0 - h);
    if (!column || !row) {
        return;  // the level is too small to move in: it reforms where it was
    }
    double newX = bx + *column;
    const bool playerInUpperHalf = by + bh / 2.0 > player.centerY();
    const double newY = (playerInUpperHalf ? by + bh / 2.0 : by) + *row;

    const auto outOfBounds = [&] {
        return newX + w > bx + bw || newY + h > by + bh || newX < bx || newY < by;
    };
    const int offset = static_cast<int>(std::trunc(newX - player.x));
    if (offset == -1) {
        newX -= 1.0;
        if (outOfBounds()) {
            newX += kSideStep;
        }
    } else if (offset == 0 || offset == 1) {
        newX += 2.0 - offset;
        if (outOfBounds()) {
            newX -= kSideStep;
        }
    }
    x = newX;
    y = newY;
}

void Blanky::reformAndShoot(const WorldRect& player, World& world) {
    updateHitboxes();
    const std::optional<UnitVector> aim = aimAtPlayer(player);
    if (!aim) {
        return;  // the player stands on its centre: there is no direction to shoot in
    }
    world.addEnemyShot(std::make_shared<Disparo>(
        shotSpeed * aim->x, shotSpeed * aim->y, 0.0, 0.0, 1, x + w / 2.0, y + h / 2.0,
        enemyTextures().blankyShot, kShotRange, kShotSource, -1, 0.0, kShotSize, kShotSize));
    audio::playSound("shootBlanky");
}

bool Blanky::hitByShot(std::shared_ptr<Disparo> shot) {
    if (!shot || !overlaps(shot->rect(), hitbox)) {
        return false;
    }
    awake = true;
    if (cycleTimer >= cycleLength / 3) {
        takeDamage(shot->damage);
        return true;
    }
    // Late in its cycle Blanky dodges: it dissolves on its next frame and the shot flies on.
    cycleTimer = 0;
    return false;
}
