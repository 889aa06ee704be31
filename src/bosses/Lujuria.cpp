#include "bosses/Lujuria.hpp"

#include <SDL_render.h>

#include <algorithm>
#include <cmath>

#include "actors/Disparo.hpp"
#include "actors/Prota.hpp"
#include "bosses/Apagon.hpp"
#include "bosses/BossTextures.hpp"
#include "bosses/Corazon.hpp"
#include "bosses/Foco.hpp"
#include "bosses/Lampy.hpp"
#include "enemies/RandomDraw.hpp"
#include "render/Audio.hpp"
#include "render/Paths.hpp"
#include "scene/World.hpp"

namespace {
constexpr int kActionCount = 6;
constexpr int kRollRange = 10;
// First swing of a smack narrows its reach by this much, the follow-through by this much more.
constexpr double kSwingNarrow = 1.75;
constexpr double kFollowNarrow = 1.0;
// Hearts leave from her mouth, a metre below her top.
constexpr double kHeartDrop = 1.0;
constexpr double kHeartRightOffset = 1.5;
constexpr double kHeartLeftOffset = 0.5;
}  // namespace

Lujuria::Lujuria() {
    sheet = bossTextures().lustSheet;
    enterArena(kStartX, kStartY, kWidth, kHeight, kHealth, kScore, kCoins, kStartSpeed);
    addAnimation("idle", 4, 0, 0, 384, 576, 25, true, false);
    addAnimation("strut", 4, 1536, 0, 384, 576, 25, true, false);
    addAnimation("smack", 4, 0, 576, 768, 576, 25, true, false);
    addAnimation("kiss", 2, 3072, 0, 384, 576, 50, false, false);
    addAnimation("death", 1, 3072, 576, 384, 576, 16, false, false, "dead");
    addAnimation("dead", 1, 3072, 576, 384, 576, 1000, true, false);
    setAnimation("idle");
    blackout = std::make_shared<Apagon>(this);
}

Lujuria::~Lujuria() {
    // Her companions may outlive her in a list: they must not reach back into her.
    const std::shared_ptr<Companion> companions[] = {blackout, lamp_.lock(), spotlight_.lock()};
    for (const auto& c : companions) {
        if (c) {
            c->owner = nullptr;
        }
    }
}

double Lujuria::bodyX() const {
    return wide && !flipped ? x + (kSmackWidth - kWidth) : x;
}

double Lujuria::distanceTo(const WorldRect& player) const {
    return player.centerX() - (x + w / 2.0);
}

const char* Lujuria::fightMusic() const {
    return paths::kBoss2Music;
}

void Lujuria::spawnCompanions(World& world) {
    companionsSpawned = true;
    auto light = std::make_shared<Foco>(this);
    auto lamp = std::make_shared<Lampy>(this);
    spotlight_ = light;
    lamp_ = lamp;
    world.addEnemy(light);
    world.addEnemy(lamp);
}

void Lujuria::update(Prota& prota, World& world, double, double) {
    // The lamp and the cone appear on her first update, whatever the phase: a talk ended
    // before it (two presses in the arena's first frame) must not leave her without a lamp to
    // shoot down, or she could never be hurt.
    if (!companionsSpawned) {
        spawnCompanions(world);
    }
    if (phase == 0) {
        startOnceTheTalkIsOver(world);
        return;
    }
    // Once her health is gone she only falls; her next action must not replace the death.
    if (deathReported || hp <= 0) {
        return;
    }
    // A lamp that has left the stage without being shot can no longer shield her.
    if (lamp_.expired()) {
        lampBroken = true;
    }
    const WorldRect player = prota.drawnRect();
    const double d = distanceTo(player);
    if (!wide) {
        // Her sheet faces left.
        flipped = d >= 0.0;
    }
    if (!actionRunning) {
        choose(d);
    }
    runAction(d, player, world);
    if (phase == 2 && blackout) {
        blackout->update(player, world);
    }
}

void Lujuria::choose(double d) {
    const int j = justPaused ? 1 : 0;
    const double dist = std::abs(d);
    if (dist < kNear) {
        weights = {4, 2 + j, 0, 0, 3, 1 - j};
    } else if (dist < kFar) {
        weights = {2, j, 2, 2, 3, 1 - j};
    } else {
        weights = {2, j, 3, 3, 0, 2 - j};
    }
    roll = randomBelow(kRollRange).value_or(0) + 1;
    justPaused = false;
    int sum = 0;
    action = State::Pause;
    for (int k = 0; k < kActionCount; ++k) {
        sum += weights[static_cast<std::size_t>(k)];
        if (roll <= sum) {
            action = static_cast<State>(k);
            break;
        }
    }
}

void Lujuria::runAction(double d, const WorldRect& player, World& world) {
    switch (action) {
        case State::Smack:
            smackStep(d, world);
            break;
        case State::DoubleSmack:
            doubleSmackStep(d, player, world);
            break;
        case State::KissWavy:
            kissStep(d, player, world, true);
            break;
        case State::KissAimed:
            kissStep(d, player, world, false);
            break;
        case State::Strut:
            strutStep(d, player, world);
            break;
        case State::Pause:
            pauseStep();
            break;
    }
}

void Lujuria::finish() {
    step = 0;
    actionRunning = false;
}

void Lujuria::keepOnStage(const World& world) {
    const WorldRect room = world.room();
    x = std::clamp(x, room.x, std::max(room.x, room.x + room.w - w));
}

void Lujuria::approach(double d, const World& world) {
    actionRunning = true;
    speed = d >= 0.0 ? kWalkSpeed : -kWalkSpeed;
    if (std::abs(d) > kSmackReach) {
        if (!walkAnimSet) {
            walkAnimSet = true;
            setAnimation("strut");
        }
        x += speed;
        keepOnStage(world);
        updateHitboxes();
        return;
    }
    setAnimation("smack");
    audio::playSound("lustLaugh");
    if (d < 0.0) {
        // The wider sprite grows to the left.
        x -= w;
    }
    w = kSmackWidth;
    walkAnimSet = false;
    wide = true;
    step = 1;
}

void Lujuria::endSmack() {
    if (!flipped) {
        x += kSmackWidth - kWidth;
    }
    w = kWidth;
    syncBox2();
    wide = false;
    finish();
}

void Lujuria::swing(double narrowBy, bool shiftWhenFlipped) {
    syncBox2();
    box2.w -= narrowBy;
    if (flipped == shiftWhenFlipped) {
        box2.x += narrowBy;
    }
}

void Lujuria::smackStep(double d, const World& world) {
    if (step == 0) {
        approach(d, world);
        return;
    }
    if (step >= smackTicks) {
        endSmack();
        return;
    }
    if (step == smackTicks / 2) {
        audio::playSound("lustSwing");
        swing(kSwingNarrow, true);
    } else if (step == (3 * smackTicks) / 4) {
        box2.w -= kFollowNarrow;
        if (!flipped) {
            box2.x += kFollowNarrow;
        }
    }
    step += 1;
}

void Lujuria::doubleSmackStep(double d, const WorldRect& player, const World& world) {
    if (step == 0) {
        approach(d, world);
        return;
    }
    if (step < smackTicks) {
        if (step == smackTicks / 2) {
            audio::playSound("lustSwing");
            swing(kSwingNarrow, true);
        }
        step += 1;
    } else if (step == smackTicks) {
        // The second smack faces the player anew.
        setAnimation("smack");
        audio::playSound("lustLaugh");
        if (!flipped) {
            x += kSmackWidth - kWidth;
        }
        w = kWidth;
        syncBox2();
        if (distanceTo(player) < 0.0) {
            x -= w;
            flipped = false;
        } else {
            flipped = true;
        }
        w = kSmackWidth;
        walkAnimSet = false;
        wide = true;
        step += 1;
    } else if (step >= 2 * smackTicks) {
        endSmack();
    } else {
        if (step == (3 * 2 * smackTicks) / 4) {
            audio::playSound("lustSwing");
            swing(kFollowNarrow, true);
        }
        step += 1;
    }
}

void Lujuria::kissStep(double d, const WorldRect& player, World& world, bool wavy) {
    if (step == 0) {
        actionRunning = true;
        setAnimation("kiss");
        audio::playSound("kiss");
        step = 1;
        return;
    }
    if (step >= kissTicks) {
        finish();
        return;
    }
    if (step == kissTicks / 2) {
        const bool right = d >= 0.0;
        const double heartX = x + (right ? kHeartRightOffset : kHeartLeftOffset);
        world.addEnemy(
            std::make_shared<Corazon>(heartX, y + kHeartDrop, right ? 1 : -1, wavy, player));
    }
    step += 1;
}

void Lujuria::strutStep(double d, const WorldRect& player, const World& world) {
    const WorldRect room = world.room();
    if (step == 0) {
        actionRunning = true;
        const bool goLeft = (d > 0.0 && player.x - room.x > kStrutRoom) ||
                            (d <= 0.0 && (room.x + room.w) - (player.x + player.w) < kStrutRoom);
        speed = goLeft ? -kWalkSpeed : kWalkSpeed;
        flipped = !goLeft;
        x += speed;
        keepOnStage(world);
        updateHitboxes();
        setAnimation("strut");
        step = 1;
        return;
    }
    if (step < strutTicks) {
        flipped = speed >= 0.0;
        x += speed;
        keepOnStage(world);
        updateHitboxes();
        const bool atWall =
            speed < 0.0 ? x - room.x < kWallGap : (room.x + room.w) - (x + w) < kWallGap;
        step = atWall ? strutTicks : step + 1;
        return;
    }
    finish();
}

void Lujuria::pauseStep() {
    if (step == 0) {
        actionRunning = true;
        setAnimation("idle");
        step = 1;
        justPaused = true;
        return;
    }
    if (step >= pauseTicks) {
        finish();
    } else {
        step += 1;
    }
}

bool Lujuria::hitByShot(std::shared_ptr<Disparo> shot) {
    // While the lamp shines shots fly on, silently.
    if (!shot || !lampBroken || hp <= 0 || !overlaps(shot->rect(), hitbox)) {
        return false;
    }
    if (!takeShot(*shot)) {
        if (phase >= 1 && hp < maxHp / 2) {
            phase = 2;
        }
        flashRed();
    }
    return true;
}

bool Lujuria::isDead() {
    if (deathReported || hp > 0) {
        return false;
    }
    deathReported = true;
    hitbox.x = kOutOfReach;
    box2.x = kOutOfReach;
    // Felled mid smack she lies where her body stood, not where the wide sprite began.
    x = bodyX();
    w = kWidth;
    wide = false;
    return true;
}

void Lujuria::onDefeated(World& world) {
    // The blackout fades out on its own in the scene's list, then leaves.
    if (blackout && !blackoutHandedOver_) {
        blackoutHandedOver_ = true;
        world.addEnemy(blackout);
    }
}

void Lujuria::updateOverlayDstRect(double scale, double camX, double camY) {
    if (blackout && phase == 2 && !deathReported) {
        blackout->updateDstRect(scale, camX, camY);
    }
}

void Lujuria::renderOverlay(SDL_Renderer* renderer, const SDL_Rect& band) {
    // Once handed to the scene the blackout is drawn there, not here as well.
    if (blackout && phase == 2 && !deathReported) {
        blackout->applyAlpha();
        blackout->drawClipped(renderer, band);
    }
}
