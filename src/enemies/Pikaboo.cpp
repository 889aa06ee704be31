#include "enemies/Pikaboo.hpp"

#include <algorithm>
#include <cmath>

#include "actors/Disparo.hpp"
#include "render/EnemyTextures.hpp"
#include "scene/World.hpp"

namespace {
constexpr double kSize = 1.5;
constexpr int kFrame = 128;
constexpr double kBaseSpeed = 0.03;
constexpr double kSpeedPerLevel = 0.003;
constexpr double kTopSpeed = 0.06;
constexpr double kChargeSpeedFactor = 3.0;

// One step of at most `step` from `from` towards `to`, never past it.
double approach(double from, double to, double step) {
    if (from < to) {
        return std::min(from + step, to);
    }
    return std::max(from - step, to);
}
}  // namespace

Pikaboo::Pikaboo(double startX, double startY, int level)
    : speedX(std::min(kBaseSpeed + kSpeedPerLevel * level, kTopSpeed)), speedY(speedX) {
    placeBody(startX, startY, kSize, enemyTextures().pikabooSheet);
    maxHp = hp = 5 * level + 12;
    score = 100 * level;
    coinValue = 1;
    sightRange = 10.0;
    addAnimation("idle", 4, 0, 0, kFrame, kFrame, 16, true, false);
    addAnimation("wind-up", 2, 0, 128, kFrame, kFrame, 16, true, false);
    addAnimation("charge", 2, 256, 128, kFrame, kFrame, 16, true, false);
    addAnimation("dizzy", 4, 0, 256, kFrame, kFrame, 16, true, false);
    addAnimation("damage", 1, 0, 384, kFrame, kFrame, 10, false, false);
    addAnimation("death", 4, 0, 384, kFrame, kFrame, 16, false, false);
}

Pikaboo::State Pikaboo::state() const {
    if (attackTimer <= 0) {
        return State::Roaming;
    }
    if (attackTimer == attackLength) {
        return State::WindingUp;
    }
    if (attackTimer > attackLength - dizzyTicks) {
        return State::Charging;
    }
    return State::Dizzy;
}

bool Pikaboo::update(WorldRect player, World& world) {
    switch (state()) {
        case State::Roaming:
            roam(player);
            break;
        case State::WindingUp:
            windUp(player);
            break;
        case State::Charging:
            charge(world);
            break;
        case State::Dizzy:
            driftDizzy(player, world);
            break;
    }
    updateHitboxes();
    flipped = player.x > x;
    return flipped;
}

void Pikaboo::roam(const WorldRect& player) {
    const double distance = std::hypot(player.x - x, player.y - y);
    if (distance < sightRange / 2.0) {
        setAnimation("wind-up");
        attackTimer = attackLength;
        return;
    }
    x = approach(x, player.x, speedX);
    y = approach(y, player.y, speedY);
}

void Pikaboo::windUp(const WorldRect& player) {
    if (windUpCounter != windUpTicks) {
        windUpCounter += 1;
        return;
    }
    // It locks on where the player stands now and does not steer during the charge.
    chargeAngle = std::atan2(player.y - y, player.x - x);
    windUpCounter = 0;
    attackTimer = attackLength - 1;
    setAnimation("charge");
    speedX *= kChargeSpeedFactor;
    speedY *= kChargeSpeedFactor;
}

void Pikaboo::charge(const World& world) {
    const WorldRect room = world.room();
    x += std::cos(chargeAngle) * speedX;
    y += std::sin(chargeAngle) * speedY;
    attackTimer -= 1;
    bool hitWall = false;
    if (x < room.x) {
        x = room.x;
        hitWall = true;
    } else if (x + w > room.x + room.w) {
        x = room.x + room.w - w;
        hitWall = true;
    }
    if (y < room.y) {
        y = room.y;
        hitWall = true;
    } else if (y + h > room.y + room.h) {
        y = room.y + room.h - h;
        hitWall = true;
    }
    if (hitWall) {
        attackTimer = attackLength - dizzyTicks;  // a wall ends the charge at once
    }
}

void Pikaboo::driftDizzy(const WorldRect& player, const World& world) {
    const WorldRect room = world.room();
    if (attackTimer == attackLength - dizzyTicks) {
        setAnimation("dizzy");
        speedX /= kChargeSpeedFactor;
        speedY /= kChargeSpeedFactor;
    }
    if (player.x >= x) {
        x = std::max(x - speedX, room.x);
    } else {
        x = std::min(x + speedX, room.x + room.w - w);
    }
    if (player.centerY() >= y) {
        y = std::max(y - speedY, room.y);
    } else {
        y = std::min(y + speedY, room.y + room.h - h);
    }
    attackTimer -= 1;
    if (attackTimer == 0) {
        setAnimation("idle");
    }
}

bool Pikaboo::immune() const {
    return attackTimer != attackLength && attackTimer >= attackLength - dizzyTicks;
}

bool Pikaboo::hitByShot(std::shared_ptr<Disparo> shot) {
    if (!shot || !overlaps(shot->rect(), hitbox)) {
        return false;
    }
    awake = true;
    if (immune()) {
        return false;
    }
    takeDamage(shot->damage);
    return true;
}
