#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "actors/Mortal.hpp"
#include "scene/WorldRect.hpp"

class Disparo;

// The player: one unit wide and two tall; walks, jumps, ducks, curls up, dashes and shoots at
// the crosshair. The scene feeds it held keys (keys), calls update() once a frame, then resolves
// platforms and obstacles through the collision operations below, then calls updateAnimation().
class Prota : public Mortal {
public:
    // Where the player's shots fly: the scene's list of them.
    using ShotList = std::vector<std::shared_ptr<Disparo>>;

    // Bits of keys and previousKeys. The scene sets a bit on key-down and clears it on key-up;
    // the dash bit follows the right mouse button (or the pad's dash), the fire bit the pad's
    // right trigger (the left mouse button is read as it is held).
    static constexpr std::uint8_t kKeyRight = 1;
    static constexpr std::uint8_t kKeyLeft = 2;
    static constexpr std::uint8_t kKeyJump = 4;
    static constexpr std::uint8_t kKeyDuck = 8;
    static constexpr std::uint8_t kKeyDash = 16;
    static constexpr std::uint8_t kKeyFire = 32;

    // Frames a dash lasts, and frames after it before the next may start.
    static constexpr int kDashDuration = 33;
    static constexpr int kDashRecovery = 33;
    // Frames the player cannot be hurt after a hit, and the sheet's alpha meanwhile.
    static constexpr int kInvulnerableDuration = 200;
    static constexpr std::uint8_t kOpaqueAlpha = 255;
    static constexpr std::uint8_t kHurtAlpha = 128;
    // Upward speed at the start of a jump.
    static constexpr double kJumpSpeed = 0.2;
    // Downward speed given when the player walks off an edge.
    static constexpr double kFallStartSpeed = 0.001;
    // Caps of the shop upgrades and the run totals.
    static constexpr int kMinFireDelay = 25;
    static constexpr double kFireRateFactor = 0.85;
    static constexpr double kMaxShotRange = 12.0;
    static constexpr double kRangeStep = 1.1;
    static constexpr int kMaxShotDamage = 5;
    static constexpr double kMaxWalkSpeed = 1.6;
    static constexpr double kSpeedStep = 0.01;
    static constexpr int kMaxScore = 99999;
    static constexpr int kMaxCoins = 99;
    // Where a shot appears: this far along the aim from the player's centre.
    static constexpr double kShotMuzzleDistance = 1.5;
    static constexpr double kShotSize = 0.5;

    // rect: the scene's start rectangle. Health depends on the mode and difficulty (0 Easy to
    // 3 Impossible): the story starts the tutorial below full health.
    Prota(const WorldRect& rect, bool infiniteMode, int difficulty);

    // One frame of movement, dashing, shooting (left button or fire held) and invulnerability.
    // aimX, aimY: world coordinates of the crosshair's centre.
    void update(ShotList& playerShots, double aimX, double aimY);
    // Picks the animation after the scene's collision step; does nothing during a conversation.
    void updateAnimation(bool conversationActive);
    // Fires one shot at a world point into playerShots and restarts shotCooldown.
    // Plays no sound: the caller plays "shootProta".
    void shoot(ShotList& playerShots, double targetX, double targetY);

    bool hitByShot(std::shared_ptr<Disparo> shot) override;
    bool hitByRect(WorldRect box) override;
    bool isDead() override;
    void updateHitboxes() override;

    // Whether r touches the player: it must reach both the legs (hitbox) and the upper body
    // (bodyBox) horizontally and lie between the top of the body and the feet, edges included.
    // The scene also uses it for items and characters.
    bool touches(const WorldRect& r) const;

    // --- Collision step of the scene -----------------------------------------------------
    // Each of these refreshes the boxes.

    // The feet meet a walkable top at world y surfaceY: y = surfaceY - h, vy = 0, no longer
    // airborne. Coming down from the air with duck held (and not already ducking) the player
    // lands crouched with vx = 0.
    void land(double surfaceY);
    // The head meets a ceiling at world y ceilingY (0 for the top of the world, an obstacle's
    // underside otherwise): y = ceilingY, vy = 0.
    void hitCeiling(double ceilingY);
    // The player stands on nothing: starts falling (vy = 0.001, airborne). A running dash ends
    // at once: its sprite shift is undone (if still applied), vx drops to walkSpeed keeping its
    // sign, w returns to bodyWidth. No dash cooldown is started.
    void startFalling();
    // Places the drawn rectangle at (newX, newY), e.g. pushed out of an obstacle or stopped at
    // the edge of the shown band.
    void moveTo(double newX, double newY);
    // Entering a new scene: motion state cleared (speeds, shot cooldown, invulnerability, duck,
    // dash and its shift, airborne, previousKeys), sheet opaque, rectangle = start. Health,
    // score, coins and upgrades stay.
    void resetForScene(const WorldRect& start);

    // --- Run totals and shop upgrades ----------------------------------------------------
    void addScore(int n);    // capped at 99999
    void addCoins(int n);    // capped at 99
    void upgradeFireRate();  // fireDelay x 0.85, not below 25
    void upgradeRange();     // shotRange + 1.1, up to 12.0
    void upgradeDamage();    // shotDamage + 1, up to 5
    void upgradeSpeed();     // walkSpeed + 0.01 while below 1.6

    bool held(std::uint8_t bit) const { return (keys & bit) != 0; }
    bool newlyPressed(std::uint8_t bit) const {
        return (keys & bit) != 0 && (previousKeys & bit) == 0;
    }

    int dashDuration = kDashDuration;
    int dashCooldown = 0;
    int fireDelay = 50;
    int invulnerableDuration = kInvulnerableDuration;
    int invulnerableTimer = 0;
    int coins = 0;
    int shotDamage = 2;
    double gravity = 0.005;
    double duckFallSpeed = 0.2;
    double shotSpeed = 0.1;
    double bodyWidth = 1.0;
    bool ducking = false;
    bool dashing = false;
    bool airborne = false;
    std::uint8_t previousKeys = 0;
    std::uint8_t keys = 0;
    WorldRect bodyBox;
    double walkSpeed = 0.07;
    double shotRange = 5.0;
    double vx = 0.0;
    double vy = 0.0;
    int shotCooldown = 0;
    int dashTimer = 0;
    // The dash sprite is twice as wide; dashing right it is drawn one body width further left
    // so the body stays in place. True while that shift is applied.
    bool dashShifted = false;
    // The sheet's alpha modulation as last set: half-transparent while invulnerable.
    std::uint8_t sheetAlpha = kOpaqueAlpha;

private:
    void inputStep();
    void directionStep();
    void jumpOrDashStep();
    void startDash();
    void cancelDash();
    void endDash();
    void undoDashShift();
    void dashStep();
    void shootingStep(ShotList& playerShots, double aimX, double aimY);
    void invulnerabilityStep();
    void takeHit();
    // The overlap test of touches() on the edges of a box.
    bool touchesSpan(double left, double top, double right, double bottom) const;
    void setSheetAlpha(std::uint8_t alpha);
};
