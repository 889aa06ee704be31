#include "bosses/Codicia.hpp"

#include <cmath>

#include "actors/Disparo.hpp"
#include "bosses/BossTextures.hpp"
#include "bosses/Diamante.hpp"
#include "bosses/Moneda.hpp"
#include "bosses/Perla.hpp"
#include "enemies/RandomDraw.hpp"
#include "render/Audio.hpp"
#include "render/Paths.hpp"
#include "scene/World.hpp"

namespace {
// Each phase makes pearls and diamonds come 25 frames slower.
constexpr int kReloadGrowth = 25;
constexpr double kPearlShare = 0.6;
constexpr double kDiamondShare = 0.8;
constexpr double kCoinShare = 1.0;
constexpr int kDrawPerPhase = 100;
// Odd phases throw from the right edge of the shown area, phase 2 from just left of it.
constexpr double kLeftThrowInset = 1.5;
constexpr double kCoinVy[3] = {-0.04, -0.06, -0.08};
constexpr double kCoinFloor = 9.0;
// Lying down it is a metre lower than standing.
constexpr double kCollapseDrop = 1.0;
}  // namespace

Codicia::Codicia() {
    sheet = bossTextures().greedSheet;
    enterArena(kStartX, kStartY, kStandingSize, kStandingSize, kHealth, kScore, kCoins,
               kStartSpeed);
    addAnimation("idle", 2, 0, 0, 512, 576, 33, true, false);
    addAnimation("run", 3, 0, 576, 576, 576, 16, true, false);
    addAnimation("tired", 2, 0, 1152, 576, 448, 50, true, false);
    addAnimation("damage", 1, 1152, 1152, 576, 448, 10, false, false);
    addAnimation("death", 2, 0, 1600, 576, 448, 16, false, false, "dead");
    addAnimation("dead", 1, 576, 1600, 576, 448, 1000, true, false);
    setAnimation("idle");
}

const char* Codicia::fightMusic() const {
    return paths::kBoss1Music;
}

void Codicia::onFightStarts() {
    setAnimation("run");
    audio::playSound("greedRun");
}

void Codicia::update(Prota&, World& world, double camX, double viewWidth) {
    startOnceTheTalkIsOver(world);
    // Before the fight it waits; once beaten it only lies there.
    if (phase == 0 || hp <= 0) {
        return;
    }
    const double shown = world.shownWidth();
    const double left = camX + (viewWidth - shown) * 0.5;
    switch (substate) {
        case State::Running:
            runStep(world, left, shown);
            break;
        case State::Tired:
            tiredStep(world, left, shown);
            break;
        case State::Exposed:
            exposedStep(world);
            break;
    }
}

void Codicia::runStep(const World& world, double left, double shown) {
    const WorldRect room = world.room();
    if (phase % 2 == 1) {
        flipped = true;
        x += speed;
        if (x > left + shown) {
            x = room.x + room.w - w - kRestGap;
            flipped = false;
            collapse();
        }
    } else {
        flipped = false;
        x -= speed;
        if (x + w < left) {
            x = room.x + kRestGap;
            collapse();
        }
    }
    speed += kSpeedGain;
    updateHitboxes();
}

void Codicia::collapse() {
    substate = State::Tired;
    setAnimation("tired");
    w = kStandingSize;
    h = kTiredHeight;
    speed = kStartSpeed;
    y += kCollapseDrop;
}

void Codicia::tiredStep(World& world, double left, double shown) {
    const double dist = std::abs((x + w / 2.0) - (left + shown / 2.0));
    if (dist < kExposeDistance) {
        substate = State::Exposed;
        return;
    }
    const double spawnX = left - ((phase + 1) % 2) * kLeftThrowInset + (phase % 2) * shown;
    const int dir = phase % 2 == 0 ? 1 : -1;
    throwPearl(world, spawnX, dir);
    throwDiamond(world, spawnX, dir);
    throwCoins(world, spawnX, dir);
}

int Codicia::reload(int base, double share) const {
    const int drawn = randomBelow(kDrawPerPhase * phase).value_or(0);
    return base + static_cast<int>(std::trunc(share * drawn));
}

void Codicia::throwPearl(World& world, double spawnX, int dir) {
    if (pearlTimer > 0) {
        pearlTimer -= 1;
        return;
    }
    world.addEnemy(std::make_shared<Perla>(spawnX, dir));
    pearlTimer = reload(pearlBase, kPearlShare);
    audio::playSound("pearl");
}

void Codicia::throwDiamond(World& world, double spawnX, int dir) {
    if (diamondTimer > 0 || phase <= 1) {
        // A timer run out while diamonds were not allowed fires on the first frame they are;
        // it never counts further down than that.
        diamondTimer = diamondTimer > 0 ? diamondTimer - 1 : -1;
        return;
    }
    world.addEnemy(std::make_shared<Diamante>(spawnX, dir));
    diamondTimer = reload(diamondBase, kDiamondShare);
    audio::playSound("diamond");
}

void Codicia::throwCoins(World& world, double spawnX, int dir) {
    if (coinTimer > 0 || phase <= 2) {
        coinTimer = coinTimer > 0 ? coinTimer - 1 : -1;
        return;
    }
    for (double vy : kCoinVy) {
        world.addEnemy(std::make_shared<Moneda>(spawnX, kCoinFloor - h / 2.0, vy, dir));
    }
    coinTimer = reload(coinBase, kCoinShare);
    audio::playSound("coins");
}

void Codicia::exposedStep(World& world) {
    if ((phase == 1 && hp < (2 * maxHp) / 3) || (phase == 2 && hp < maxHp / 3)) {
        getUp(world);
    }
    // In phase 3 only a shot ends it.
}

void Codicia::getUp(World& world) {
    phase += 1;
    pearlBase += kReloadGrowth;
    diamondBase += kReloadGrowth;
    substate = State::Running;
    setAnimation("run");
    // Whatever it threw is swept away as it gets up.
    world.clearEnemies();
    w = h = kStandingSize;
    y -= kCollapseDrop;
    audio::playSound("greedRun");
}

bool Codicia::hitByShot(std::shared_ptr<Disparo> shot) {
    if (!shot || substate != State::Exposed || hp <= 0 || !overlaps(shot->rect(), hitbox)) {
        return false;
    }
    if (!takeShot(*shot)) {
        playDamage();
    }
    return true;
}
