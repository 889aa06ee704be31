#include "enemies/Handy.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "actors/Disparo.hpp"
#include "enemies/RandomDraw.hpp"
#include "render/Audio.hpp"
#include "render/EnemyTextures.hpp"
#include "scene/World.hpp"

namespace {
constexpr double kSize = 1.5;
constexpr int kFrame = 128;
constexpr int kFormCount = 3;
constexpr int kTransformFrames = 50;
constexpr const char* kFormAnimation[kFormCount] = {"paper", "rock", "scissor"};
constexpr double kPaperSpeed = 0.05;
constexpr double kCorneredGap = 5.0;  // less room than this behind it and paper turns back
// Rock: 37 frames rising, 13 slamming, and the rock falls 50 frames into the attack.
constexpr int kRockRiseEnds = 37;
constexpr int kRockDropAt = 50;
constexpr double kRockRiseSpeed = 0.08 / 3.0;
constexpr double kRockSlamSpeed = 0.08;
// Scissors: throws 50 and 75 frames into the attack, then it keeps about 8 units away.
constexpr int kFirstThrowAt = 50;
constexpr int kSecondThrowAt = 75;
constexpr double kScissorsRange = 15.0;
constexpr double kScissorsSpriteTurn = 45.0;  // the sprite points 45° off its x axis
constexpr double kTooClose = 8.0;
constexpr double kTooFar = 8.1;
constexpr double kSidleSpeed = 0.02;
constexpr double kShotSize = 1.0;
}  // namespace

Handy::Handy(double startX, double startY, double patrolMinX, double patrolMaxX, int level)
    : form(static_cast<Form>(1 + randomBelow(2).value_or(0))),
      rockAimWidth(std::min(0.8 + 0.15 * level, 1.6)),
      scissorAcceleration(std::min(0.003 + 0.0001 * level, 0.004)),
      minX(patrolMinX),
      maxX(patrolMaxX),
      homeY(startY) {
    placeBody(startX, startY, kSize, enemyTextures().handySheet);
    maxHp = hp = 3 * level + 12;
    score = 150 * level;
    coinValue = 2;
    sightRange = 10.0;
    addAnimation("scissor_idle", 2, 0, 768, kFrame, kFrame, 16, true, false);
    addAnimation("paper", 4, 0, 0, kFrame, kFrame, 16, true, false);
    addAnimation("rock", 2, 0, 128, kFrame, kFrame, 16, true, false);
    addAnimation("rock_atk", 4, 0, 128, kFrame, kFrame, 16, false, false);
    addAnimation("scissor", 4, 0, 256, kFrame, kFrame, 16, true, false);
    addAnimation("trans", 4, 0, 384, kFrame, kFrame, 16, false, false);
    addAnimation("damage", 1, 0, 512, kFrame, kFrame, 16, false, false);
    addAnimation("death", 4, 0, 512, kFrame, kFrame, 16, false, false);
    addAnimation("shoot", 3, 0, 640, kFrame, kFrame, 16, false, false);
    setAnimation(kFormAnimation[static_cast<int>(form)]);
}

Handy::Phase Handy::currentPhase() const {
    if (formTimer == 0 && !busy) {
        return Phase::ChangeForm;
    }
    if (formTimer == formInterval - kTransformFrames) {
        return Phase::ShowForm;
    }
    if (formTimer > formInterval - kTransformFrames) {
        return Phase::Transforming;
    }
    return Phase::Acting;
}

bool Handy::update(WorldRect player, World& world) {
    switch (currentPhase()) {
        case Phase::ChangeForm:
            changeForm();
            break;
        case Phase::ShowForm:
            setAnimation(kFormAnimation[static_cast<int>(form)]);
            break;
        case Phase::Transforming:
            break;
        case Phase::Acting:
            switch (form) {
                case Form::Paper:
                    actPaper(player, world);
                    break;
                case Form::Rock:
                    actRock(player, world);
                    break;
                case Form::Scissors:
                    actScissors(player, world);
                    break;
            }
            break;
    }
    if (formTimer > 0) {
        formTimer -= 1;
    }
    updateHitboxes();
    return flipped;
}

void Handy::changeForm() {
    int next = randomBelow(kFormCount).value_or(0);
    if (next == static_cast<int>(form)) {
        next = (next + 1) % kFormCount;
    }
    form = static_cast<Form>(next);
    setAnimation("trans");
    formTimer = formInterval;
}

void Handy::actPaper(const WorldRect& player, const World& world) {
    const WorldRect room = world.room();
    // Paper flees from the player; with less than 5 units of level behind the player it runs
    // past instead, even beyond its patrol limits.
    if (player.x < x) {
        const bool cornered = (room.x + room.w) - (player.x + player.w) < kCorneredGap;
        if (cornered) {
            x -= kPaperSpeed;
        } else if (x > maxX - w) {
            // Run past the player out of its range: it walks back, it does not jump.
            x = std::max(x - kPaperSpeed, maxX - w);
        } else {
            x = std::min(x + kPaperSpeed, maxX - w);
        }
        flipped = !cornered;
    } else {
        const bool cornered = player.x - room.x < kCorneredGap;
        if (cornered) {
            x += kPaperSpeed;
        } else if (x < minX) {
            x = std::min(x + kPaperSpeed, minX);
        } else {
            x = std::max(x - kPaperSpeed, minX);
        }
        flipped = cornered;
    }
}

void Handy::actRock(const WorldRect& player, World& world) {
    const int start = rockInterval;
    if (rockTimer == 0) {
        busy = true;
        setAnimation("rock_atk");
        rockTimer = start;
    } else if (rockTimer > start - kRockRiseEnds) {
        y -= kRockRiseSpeed;
        rockTimer -= 1;
    } else if (rockTimer > start - kRockDropAt) {
        y += kRockSlamSpeed;
        rockTimer -= 1;
    } else if (rockTimer == start - kRockDropAt) {
        busy = false;
        y = homeY;
        dropRock(player, world);
        setAnimation("rock");
        rockTimer -= 1;
    } else {
        rockTimer -= 1;
    }
    flipped = x > player.x;
}

void Handy::dropRock(const WorldRect& player, World& world) {
    const WorldRect room = world.room();
    world.addEnemyShot(std::make_shared<Disparo>(0.0, rockFallSpeed, 0.0, rockGravity, 1,
                                                 player.centerX() - rockAimWidth / 2.0, room.y,
                                                 enemyTextures().rockShot, room.y + room.h - 1.0,
                                                 std::nullopt, -1, 0.0, kShotSize, kShotSize));
    audio::playSound("shootHandyRock");
}

void Handy::actScissors(const WorldRect& player, World& world) {
    const int start = scissorInterval;
    if (scissorTimer == 0) {
        busy = true;
        setAnimation("shoot");
        scissorTimer = start;
    } else if (scissorTimer == start - kFirstThrowAt) {
        throwScissors(player, world);
        scissorTimer -= 1;
    } else if (scissorTimer == start - kSecondThrowAt) {
        throwScissors(player, world);
        busy = false;
        setAnimation("scissor");
        scissorTimer -= 1;
    } else if (scissorTimer < start - kSecondThrowAt) {
        keepDistance(player);
        scissorTimer -= 1;
    } else {
        scissorTimer -= 1;
    }
    flipped = x > player.x;
}

void Handy::throwScissors(const WorldRect& player, World& world) {
    const std::optional<UnitVector> aim = aimAtPlayer(player);
    if (!aim) {
        return;  // the player covers its centre: there is no direction to throw in
    }
    const double degrees = std::atan2(aim->y, aim->x) * 180.0 / std::numbers::pi;
    const double drawAngle = std::fmod(std::trunc(degrees), 360.0) + kScissorsSpriteTurn;
    world.addEnemyShot(std::make_shared<Disparo>(
        scissorSpeed * aim->x, scissorSpeed * aim->y, scissorAcceleration * aim->x,
        scissorAcceleration * aim->y, 1, x + w / 2.0, y + h / 2.0, enemyTextures().scissorsShot,
        kScissorsRange, std::nullopt, -1, drawAngle, kShotSize, kShotSize));
    audio::playSound("shootHandyScissors");
}

void Handy::keepDistance(const WorldRect& player) {
    const double d = player.centerX() - (x + w / 2.0);
    if (d < -kTooFar || (d >= 0.0 && d < kTooClose)) {
        x = std::max(x - kSidleSpeed, minX);
    } else if ((d > -kTooClose && d < 0.0) || d > kTooFar) {
        x = std::min(x + kSidleSpeed, maxX - w);
    }
}
