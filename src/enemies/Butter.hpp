#pragma once

#include "enemies/Enemigo.hpp"

// Walks back and forth between its patrol limits and now and then leaves a dropping at its rear
// foot that hurts the player on contact. Each time its drop timer runs out a coin flip decides
// between a dropping and a short wait.
class Butter : public Enemigo {
public:
    Butter(double x, double y, double minX, double maxX, int level);

    bool update(WorldRect player, World& world) override;
    const char* hitSoundKey() const override { return "butterHit"; }

    int dropInterval = 200;
    int dropTimer = 0;
    bool dropRight = false;     // droppings go at the right edge (walking left), else at the left
    double patrolSpeed = 0.03;  // positive walks right
    double minX;
    double maxX;

private:
    void decideDrop(World& world);
    void patrol();
};
