#pragma once

#include <memory>

#include "render/Animated.hpp"
#include "scene/WorldRect.hpp"

class Disparo;

// Everything that has health and fights: the player, enemies, boss minions and bosses.
// A Mortal is hit by shots (hitByShot) and by boxes (hitByRect), keeps two boxes in step with
// its drawn rectangle, and tells the scene when it may be removed (isDead).
class Mortal : public Animated {
public:
    // Where a fallen or vanished fighter's boxes go so that nothing touches them any more.
    static constexpr double kOutOfReach = 5000.0;

    using Animated::Animated;

    // A Mortal draws its current animation frame, unrotated.
    void render(SDL_Renderer* renderer) override;

    // The shot struck this object (the scene then removes the shot).
    virtual bool hitByShot(std::shared_ptr<Disparo> shot) = 0;
    // The box struck this object: one point of health lost.
    virtual bool hitByRect(WorldRect box);
    // The object may be removed.
    virtual bool isDead();
    // hitbox = the drawn rectangle; box2 = the same grown 0.1 up-left and shrunk 0.1.
    virtual void updateHitboxes();
    // Recomputes only box2 from the drawn rectangle.
    virtual void syncBox2();

    WorldRect drawnRect() const { return WorldRect{x, y, w, h}; }

    // The killing blow: plays "death" at once (cutting a "damage" flash short) and moves both
    // boxes out of reach so nothing can touch it any more.
    void startDying();
    // Nothing shows before the first frame places the picture: its pixel rectangle starts far
    // off screen.
    void parkOffScreen();

    int maxHp = 0;
    int hp = 0;
    int score = 0;
    int coinValue = 0;
    bool dying = false;
    WorldRect hitbox;
    WorldRect box2;
};
