#pragma once

#include <optional>

#include "actors/Mortal.hpp"

class World;

// A direction of length 1 in world units.
struct UnitVector {
    double x = 0.0;
    double y = 0.0;
};

// The base of every regular enemy and boss minion.
//
// Contract with the world, every frame: the scene refreshes the pixel rectangle; while the enemy
// is not dying it either wakes it (once the player comes within sightRange, see seesPlayer) or,
// when awake, calls update(); then it tests the enemy's box2 against the player. When isDead()
// turns true the scene credits score and coinValue to the player and removes the enemy.
//
// Kinds build their drawn rectangle, boxes, animations and numbers in their constructors; their
// pixel rectangle starts far off screen so nothing shows before the first frame.
class Enemigo : public Mortal {
public:
    Enemigo();

    // One frame of the kind's behaviour once awake. player is the player's drawn rectangle;
    // scene gives the bounds (its x, y, w, h) and takes new shots (addEnemyShot) and minions
    // (addEnemy). The result is the kind's facing flag; the scene ignores it.
    virtual bool update(WorldRect player, World& world) = 0;

    // The shot's rectangle overlaps the hitbox: health drops by its damage, then the enemy
    // either starts dying or flashes "damage".
    bool hitByShot(std::shared_ptr<Disparo> shot) override;
    // Dying, and the death animation has run out.
    bool isDead() override;
    // The sound key the scene plays when a player shot hits this enemy; null for none.
    virtual const char* hitSoundKey() const { return nullptr; }

    // The player is within sightRange of the enemy's centre (nearest point of the player's box).
    bool seesPlayer(const WorldRect& player) const;

    bool awake = false;
    double sightRange = 0.0;

protected:
    // Applies a hit already known to overlap.
    void takeDamage(int damage);
    // Places a square body of the given size with its sheet; the pixel rectangle starts far off
    // screen so nothing shows before the first frame, and both boxes follow the body.
    void placeBody(double bodyX, double bodyY, double size, SDL_Texture* bodySheet);
    // From this enemy's centre towards the player's centre; nothing when they coincide, so an
    // aimed shot never gets a velocity that is not a number.
    std::optional<UnitVector> aimAtPlayer(const WorldRect& player) const;
};
