#pragma once

#include <memory>

#include "actors/Mortal.hpp"
#include "bosses/SheetLease.hpp"

class World;
class Prota;
class Disparo;
struct SDL_Rect;
struct SDL_Renderer;

// The base of the three bosses.
//
// Contract with the scene: while the boss's pre-fight conversation runs the boss stands still
// (phase 0). When it ends the scene calls startFight (phase 1, fight music). From then on, every
// frame, the scene refreshes the pixel rectangle, calls update, tests the player against box2
// (contact) and offers every player shot to hitByShot (hitbox). isDead reports the death exactly
// once; the scene then credits score and coinValue, heals the player, clears the enemy list and
// calls onDefeated.
class Jefe : public Mortal {
public:
    enum Kind : int { kGreed = 0, kLust = 1, kValdro = 2 };
    // Drawn frames a hit boss flashes red.
    static constexpr int kTintFrames = 10;

    // One frame of the fight. camX and viewWidth tell where the shown area is.
    virtual void update(Prota& prota, World& world, double camX, double viewWidth) = 0;
    // The conversation before the fight has ended: phase 1 and the fight music (then the
    // boss's own start, onFightStarts). Only acts from phase 0.
    void startFight();
    // Called once, right after the scene cleared its enemies for the death (Lust leaves her
    // blackout behind to fade out).
    virtual void onDefeated(World& world);
    // Drawn right after the boss, clipped to the band (Lust's blackout).
    virtual void renderOverlay(SDL_Renderer* renderer, const SDL_Rect& band);
    virtual void updateOverlayDstRect(double scale, double camX, double camY);

    // True exactly once, on the first call after health has fallen to 0 or below.
    bool isDead() override;

    int phase = 0;
    double speed = 0.0;
    double aux = 0.0;

protected:
    // The music of the fight.
    virtual const char* fightMusic() const = 0;
    // What the boss does as its fight starts, after the music.
    virtual void onFightStarts() {}
    // A shot that hurts: health drops by its damage and "bossHit" plays; the killing blow starts
    // the death. True when it was the killing blow.
    bool takeShot(const Disparo& shot);
    // The red flash that tells the player the hit went home.
    void flashRed() { tintTicks = kTintFrames; }

    // Phase 0 ends when the scene's characters have stopped talking. The scene starts the fight
    // on the press that ends the conversation; a boss whose character has nothing to say (lines
    // missing from the dialogue file) starts it itself, or the arena would never open.
    void startOnceTheTalkIsOver(const World& world);
    // Every boss starts the same way: at its place and size, at full health, with its reward,
    // and out of sight (its picture parked off-screen) until the scene first places it.
    void enterArena(double startX, double startY, double width, double height, int health,
                    int reward, int coins, double startSpeed);

    bool deathReported = false;

private:
    // The boss's sheets are freed when the run leaves the arena, even while it is still held.
    SheetLease lease_{*this};
};
