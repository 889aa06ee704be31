#pragma once

#include "enemies/Enemigo.hpp"

// Drifts towards the player; once close it winds up, charges in a straight line at three times
// its speed until it hits the edge of the level or runs out of charge, and then drifts away
// dizzy. attackTimer holds the phase: 0 roaming, attackLength winding up, the frames just below
// it charging and the last dizzyTicks frames dizzy.
class Pikaboo : public Enemigo {
public:
    Pikaboo(double x, double y, int level);

    bool update(WorldRect player, World& world) override;
    const char* hitSoundKey() const override { return "pikabooHit"; }
    bool hitByShot(std::shared_ptr<Disparo> shot) override;

    enum class State { Roaming, WindingUp, Charging, Dizzy };
    State state() const;

    int windUpCounter = 0;
    int windUpTicks = 100;
    int dizzyTicks = 200;
    int attackLength = 400;
    int attackTimer = 0;
    double chargeAngle = 0.0;  // radians
    double speedX;
    double speedY;

private:
    void roam(const WorldRect& player);
    void windUp(const WorldRect& player);
    void charge(const World& world);
    void driftDizzy(const WorldRect& player, const World& world);
    // Shots glance off while it charges (including the frame the charge ends on).
    bool immune() const;
};
