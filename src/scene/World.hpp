#pragma once

#include <memory>

#include "scene/WorldRect.hpp"

class Disparo;
class Enemigo;

// What an enemy, a boss or a boss's missile may do to the room it is in: learn the room's
// bounds and how much of it the window shows, throw shots, bring minions, sweep them away, and
// wait for the talk before a fight. The playable scene is the one room there is.
class World {
public:
    // The room in world units: its left and top edges and its size.
    virtual WorldRect room() const = 0;
    // How wide a part of the room the window shows at once.
    virtual double shownWidth() const = 0;
    // Bosses bring minions and missiles that behave like enemies.
    virtual void addEnemy(std::shared_ptr<Enemigo> enemy) = 0;
    // Enemies and bosses shoot.
    virtual void addEnemyShot(std::shared_ptr<Disparo> shot) = 0;
    // Every enemy in the room vanishes (Greed gets up and sweeps away what it threw).
    virtual void clearEnemies() = 0;
    // Somebody in the room has had a word with the player and nobody, the tutorial guide aside,
    // is talking any more: a boss may start its fight.
    virtual bool talkIsOver() const = 0;

protected:
    ~World() = default;
};
