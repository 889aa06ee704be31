#include "actors/Prota.hpp"

#include <SDL_mouse.h>
#include <SDL_render.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "actors/Disparo.hpp"
#include "app/Platform.hpp"
#include "render/Audio.hpp"
#include "render/CoreTextures.hpp"

namespace {

// Where the player is hittable while dashing: far outside every scene.
constexpr double kDashingBoxX = 2000.0;
// A shot is narrowed by this much at its left and top edges before it is tested.
constexpr double kShotGrace = 0.05;

// Counters that keep counting down while idle stop at the bottom of int instead of wrapping.
void countDown(int& counter) {
    if (counter > std::numeric_limits<int>::min()) {
        counter -= 1;
    }
}

struct Health {
    int maxHp;
    int hp;
};

Health startingHealth(bool infiniteMode, int difficulty) {
    switch (difficulty) {
        case 0:
        case 1:
            return infiniteMode ? Health{5, 5} : Health{4, 1};
        case 2:
            return infiniteMode ? Health{3, 3} : Health{2, 1};
        case 3:
            return infiniteMode ? Health{1, 1} : Health{0, -1};
        default:
            return Health{20, 20};
    }
}

}  // namespace

Prota::Prota(const WorldRect& rect, bool infiniteMode, int difficulty)
    : Mortal(coreTextures().protaSheet) {
    x = rect.x;
    y = rect.y;
    w = rect.w;
    h = rect.h;

    const int dashTicks = dashDuration / 3;
    addAnimation("idle", 5, 0, 0, 128, 256, 16, true, false);
    addAnimation("walk", 4, 0, 256, 128, 256, 16, true, false);
    addAnimation("dash", 3, 0, 512, 256, 256, dashTicks, false, false);
    addAnimation("duck", 3, 512, 256, 128, 256, 11, false, false, "curl");
    addAnimation("curl", 2, 640, 256, 128, 256, 11, true, false);
    addAnimation("stand", 3, 512, 256, 128, 256, 11, false, true);

    const Health health = startingHealth(infiniteMode, difficulty);
    maxHp = health.maxHp;
    hp = health.hp;
    updateHitboxes();
}

// ---- Per-frame update -------------------------------------------------------------------

void Prota::update(ShotList& playerShots, double aimX, double aimY) {
    inputStep();
    dashStep();
    x += vx;
    y += vy;
    updateHitboxes();
    shootingStep(playerShots, aimX, aimY);
    invulnerabilityStep();
    previousKeys = keys;
}

void Prota::inputStep() {
    if (newlyPressed(kKeyDuck)) {
        // Crouching stops the player at once; in the air it drops them fast. Nothing else
        // happens this frame, not even gravity.
        ducking = true;
        cancelDash();
        vx = 0.0;
        vy = airborne ? duckFallSpeed : 0.0;
        return;
    }
    if (ducking && !held(kKeyDuck)) {
        // Standing up resumes walking if exactly one direction is held.
        ducking = false;
        const std::uint8_t dirs = keys & (kKeyRight | kKeyLeft);
        if (dirs == kKeyRight) {
            vx = walkSpeed;
        } else if (dirs == kKeyLeft) {
            vx = -walkSpeed;
        }
    } else {
        directionStep();
    }
    jumpOrDashStep();
}

void Prota::directionStep() {
    const std::uint8_t dirs = keys & (kKeyRight | kKeyLeft);
    const std::uint8_t before = previousKeys & (kKeyRight | kKeyLeft);
    if (dirs == 0) {
        cancelDash();
        vx = 0.0;
        ducking = held(kKeyDuck);
        return;
    }
    if (dirs == before) {
        return;
    }
    cancelDash();
    if (dirs == (kKeyRight | kKeyLeft)) {
        // Both held: the newest press wins, so the player turns toward it.
        if (newlyPressed(kKeyRight)) {
            vx = walkSpeed;
        } else if (newlyPressed(kKeyLeft)) {
            vx = -walkSpeed;
        } else {
            return;
        }
    } else {
        vx = dirs == kKeyRight ? walkSpeed : -walkSpeed;
    }
    ducking = false;
}

void Prota::jumpOrDashStep() {
    if (airborne) {
        vy += gravity;
        return;
    }
    if (held(kKeyJump)) {
        // Holding jump jumps again on every landing.
        vy = -kJumpSpeed;
        airborne = true;
        cancelDash();
        return;
    }
    // A dash needs motion, a fresh press of the button, the previous dash over and rested, and
    // the player upright.
    if (vx != 0.0 && newlyPressed(kKeyDash) && dashTimer < 1 && dashCooldown < 1 && !ducking) {
        startDash();
    }
}

// ---- Dash -------------------------------------------------------------------------------

void Prota::startDash() {
    vx *= 2.0;
    dashTimer = dashDuration;
    if (vx > 0.0) {
        // The dash picture is two bodies wide with the body at its front (right) end.
        x -= bodyWidth;
        dashShifted = true;
    }
    w = 2.0 * bodyWidth;
    dashing = true;
    audio::playSound("dash");
}

void Prota::undoDashShift() {
    if (dashShifted) {
        x += bodyWidth;
        dashShifted = false;
    }
}

void Prota::cancelDash() {
    if (!dashing) {
        return;
    }
    // The dash step of this same frame ends it.
    dashTimer = 1;
    undoDashShift();
}

void Prota::endDash() {
    dashing = false;
    undoDashShift();
    if (vx != 0.0) {
        vx = std::copysign(walkSpeed, vx);
    }
    w = bodyWidth;
}

void Prota::dashStep() {
    if (dashTimer < 1 && !dashing) {
        countDown(dashCooldown);
        return;
    }
    dashTimer -= 1;
    if (dashTimer <= 0) {
        dashTimer = 0;
        endDash();
        dashCooldown = kDashRecovery;
    }
}

// ---- Shooting -----------------------------------------------------------------------------

void Prota::shootingStep(ShotList& playerShots, double aimX, double aimY) {
    const bool fireHeld =
        (platform().mouseButtons() & SDL_BUTTON(SDL_BUTTON_LEFT)) != 0 || held(kKeyFire);
    if (fireHeld && shotCooldown <= 0) {
        shoot(playerShots, aimX, aimY);
        audio::playSound("shootProta");
    } else {
        countDown(shotCooldown);
    }
}

void Prota::shoot(ShotList& playerShots, double targetX, double targetY) {
    const double cx = x + w / 2.0;
    const double cy = y + h / 2.0;
    double dx = targetX - cx;
    double dy = targetY - cy;
    const double length = std::hypot(dx, dy);
    if (length > 0.0) {
        dx /= length;
        dy /= length;
    } else {
        // Aiming at the player's own centre has no direction: fire the way the player faces.
        dx = flipped ? -1.0 : 1.0;
        dy = 0.0;
    }
    const double half = kShotSize / 2.0;
    auto shot = std::make_shared<Disparo>(
        shotSpeed * dx, shotSpeed * dy, 0.0, 0.0, shotDamage, cx + kShotMuzzleDistance * dx - half,
        cy + kShotMuzzleDistance * dy - half, coreTextures().protaShot, shotRange,
        SDL_Rect{0, 0, 100, 100}, -1, 0.0, kShotSize, kShotSize);
    playerShots.push_back(std::move(shot));
    shotCooldown = fireDelay;
}

// ---- Invulnerability and being hurt ---------------------------------------------------------

void Prota::invulnerabilityStep() {
    countDown(invulnerableTimer);
    if (invulnerableTimer <= 0) {
        setSheetAlpha(kOpaqueAlpha);
    }
}

void Prota::setSheetAlpha(std::uint8_t alpha) {
    sheetAlpha = alpha;
    if (sheet != nullptr) {
        SDL_SetTextureAlphaMod(sheet, alpha);
    }
}

bool Prota::touches(const WorldRect& r) const {
    return touchesSpan(r.x, r.y, r.x + r.w, r.y + r.h);
}

bool Prota::touchesSpan(double left, double top, double right, double bottom) const {
    const WorldRect& b = bodyBox;
    const WorldRect& l = hitbox;
    return left <= b.x + b.w && b.x <= right && left <= l.x + l.w && l.x <= right &&
           b.y <= bottom && top <= l.y + l.h;
}

void Prota::takeHit() {
    // Whatever hurt the player, one heart is lost, and the next hits are ignored for a while.
    hp -= 1;
    invulnerableTimer = invulnerableDuration;
    setSheetAlpha(kHurtAlpha);
}

bool Prota::hitByRect(WorldRect box) {
    if (invulnerableTimer >= 1 || !touches(box)) {
        return false;
    }
    takeHit();
    return true;
}

bool Prota::hitByShot(std::shared_ptr<Disparo> shot) {
    if (!shot || invulnerableTimer >= 1) {
        return false;
    }
    // A shot that only grazes the player's back or head misses: its left and top edges are
    // moved in a little, the right and bottom edges stay.
    const WorldRect r = shot->rect();
    if (!touchesSpan(r.x + kShotGrace, r.y + kShotGrace, r.x + r.w, r.y + r.h)) {
        return false;
    }
    takeHit();
    return true;
}

bool Prota::isDead() {
    return hp < 1;
}

void Prota::updateHitboxes() {
    if (dashing) {
        // The player cannot be touched while dashing.
        hitbox.x = kDashingBoxX;
        bodyBox.x = kDashingBoxX;
        return;
    }
    hitbox = WorldRect{x + 0.2, y + 1.2, 0.6, 0.8};
    bodyBox = WorldRect{x + 0.1, ducking ? y + 1.2 : y + 0.4, 0.8, 0.8};
}

// ---- Animation ----------------------------------------------------------------------------

void Prota::updateAnimation(bool conversationActive) {
    if (conversationActive) {
        return;
    }
    const bool crouched = isPlaying("duck") || isPlaying("curl");
    if (ducking) {
        if (!crouched) {
            setAnimation("duck");  // runs into "curl"
        }
        return;
    }
    if (vx != 0.0) {
        setAnimation(dashing ? "dash" : "walk", vx < 0.0);
    } else if (crouched) {
        setAnimation("stand");
    } else if (!isPlaying("stand") && !isPlaying("idle")) {
        setAnimation("idle");
    }
}

// ---- Scene collision step -----------------------------------------------------------------

void Prota::land(double surfaceY) {
    if (airborne && !ducking && held(kKeyDuck)) {
        ducking = true;
        vx = 0.0;
    }
    airborne = false;
    vy = 0.0;
    y = surfaceY - h;
    updateHitboxes();
}

void Prota::hitCeiling(double ceilingY) {
    y = ceilingY;
    vy = 0.0;
    updateHitboxes();
}

void Prota::startFalling() {
    vy = kFallStartSpeed;
    airborne = true;
    if (dashing || dashTimer > 0) {
        dashTimer = 0;
        endDash();
    }
    updateHitboxes();
}

void Prota::moveTo(double newX, double newY) {
    x = newX;
    y = newY;
    updateHitboxes();
}

void Prota::resetForScene(const WorldRect& start) {
    vx = 0.0;
    vy = 0.0;
    shotCooldown = 0;
    invulnerableTimer = 0;
    setSheetAlpha(kOpaqueAlpha);
    ducking = false;
    dashing = false;
    dashTimer = 0;
    dashShifted = false;
    airborne = false;
    previousKeys = 0;
    x = start.x;
    y = start.y;
    w = start.w;
    h = start.h;
    updateHitboxes();
}

// ---- Run totals and upgrades --------------------------------------------------------------

void Prota::addScore(int n) {
    score = static_cast<int>(std::min<long long>(static_cast<long long>(score) + n, kMaxScore));
}

void Prota::addCoins(int n) {
    coins = static_cast<int>(std::min<long long>(static_cast<long long>(coins) + n, kMaxCoins));
}

void Prota::upgradeFireRate() {
    fireDelay = std::max(kMinFireDelay, static_cast<int>(fireDelay * kFireRateFactor));
}

void Prota::upgradeRange() {
    shotRange = std::min(shotRange + kRangeStep, kMaxShotRange);
}

void Prota::upgradeDamage() {
    if (shotDamage < kMaxShotDamage) {
        shotDamage += 1;
    }
}

void Prota::upgradeSpeed() {
    if (walkSpeed < kMaxWalkSpeed) {
        walkSpeed += kSpeedStep;
    }
}
