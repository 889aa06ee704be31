#include "enemies/Peanut.hpp"

#include <algorithm>
#include <cmath>

#include "actors/Disparo.hpp"
#include "render/Audio.hpp"
#include "render/EnemyTextures.hpp"
#include "scene/World.hpp"

namespace {
constexpr double kSize = 1.5;
constexpr int kFrame = 128;
constexpr double kBaseShotSpeed = 0.05;
// Every level makes the lob slower and therefore higher.
constexpr double kShotSpeedFactorPerLevel = 0.95;
// Frames after "shoot" starts at which the shot leaves.
constexpr int kLobDelay = 33;
constexpr double kGravity = 0.001;
constexpr double kSteepestLaunch = 0.1;
constexpr double kShotRange = 15.0;
constexpr double kShotSize = 0.5;
constexpr SDL_Rect kShotSource{0, 0, 100, 100};
}  // namespace

Peanut::Peanut(double startX, double startY, int level)
    : shotSpeed(kBaseShotSpeed * std::pow(kShotSpeedFactorPerLevel, level)) {
    placeBody(startX, startY, kSize, enemyTextures().peanutSheet);
    maxHp = hp = 2 * level + 10;
    score = 120 * level;
    coinValue = 1;
    sightRange = level + 10.0;
    addAnimation("idle", 4, 0, 0, kFrame, kFrame, 16, true, false);
    addAnimation("shoot", 4, 0, 128, kFrame, kFrame, 16, false, false);
    addAnimation("damage", 1, 0, 256, kFrame, kFrame, 16, false, false);
    addAnimation("death", 4, 0, 256, kFrame, kFrame, 16, false, false);
}

Peanut::Step Peanut::currentStep() const {
    if (shotTimer == 0) {
        return Step::Ready;
    }
    if (shotTimer == shotInterval - kLobDelay) {
        return Step::Lob;
    }
    return Step::Reload;
}

bool Peanut::update(WorldRect player, World& world) {
    switch (currentStep()) {
        case Step::Ready:
            // Out of sight it simply stays ready.
            if (seesPlayer(player)) {
                setAnimation("shoot");
                shotTimer = shotInterval;
            }
            break;
        case Step::Lob:
            lob(player, world);
            shotTimer -= 1;
            break;
        case Step::Reload:
            shotTimer -= 1;
            break;
    }
    flipped = player.x > x;
    return flipped;
}

void Peanut::lob(const WorldRect& player, World& world) {
    const double centreX = x + w / 2.0;
    const double centreY = y + h / 2.0;
    const double dx = player.centerX() - centreX;
    const double dy = player.centerY() - centreY;
    const double framesToPlayer = std::abs(dx) / shotSpeed;
    double vy;
    if (framesToPlayer > 0.0) {
        // The launch speed that lands level with the player after framesToPlayer frames.
        vy = dy / framesToPlayer - framesToPlayer * kGravity / 2.0;
        vy = std::min(vy, kSteepestLaunch);
        if (!(vy > -kSteepestLaunch)) {
            vy = -kSteepestLaunch;
        }
    } else {
        // Straight below it drops at the steepest launch; straight above, or on its very
        // centre, it goes up.
        vy = dy > 0.0 ? kSteepestLaunch : -kSteepestLaunch;
    }
    const double vx = x > player.x ? -shotSpeed : shotSpeed;
    world.addEnemyShot(std::make_shared<Disparo>(vx, vy, 0.0, kGravity, 1, centreX, centreY,
                                                 enemyTextures().peanutShot, kShotRange,
                                                 kShotSource, -1, 0.0, kShotSize, kShotSize));
    audio::playSound("shootPeanut");
}
