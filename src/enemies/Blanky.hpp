#pragma once

#include "enemies/Enemigo.hpp"

// A ghost that dissolves, reforms somewhere else in the level, fires one aimed shot and waits.
// Its cycle is driven by cycleTimer, which counts down from cycleLength:
//  - at 0 it dissolves ("puf") and its boxes are parked out of reach;
//  - 46 frames in, while the dissolve ends, it moves to the half of the level away from the
//    player;
//  - 100 frames in it can be hit and touched again, and shoots at the player.
// A shot in the last third of the cycle makes it dodge: it dissolves on the next frame.
class Blanky : public Enemigo {
public:
    Blanky(double x, double y, int level);

    bool update(WorldRect player, World& world) override;
    const char* hitSoundKey() const override { return "blankyHit"; }
    bool hitByShot(std::shared_ptr<Disparo> shot) override;

    int cycleLength;
    int cycleTimer = 0;
    double shotSpeed = 0.07;

private:
    enum class Step { Dissolve, Teleport, Reform, Wait };

    Step currentStep() const;
    void dissolve();
    void teleport(const WorldRect& player, const World& world);
    void reformAndShoot(const WorldRect& player, World& world);
};
