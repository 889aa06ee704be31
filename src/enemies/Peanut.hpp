#pragma once

#include "enemies/Enemigo.hpp"

// A stationary lobber. While the player is within sight it starts its "shoot" animation, lobs
// one arcing shot 34 frames later and is ready again 151 frames after it started.
class Peanut : public Enemigo {
public:
    Peanut(double x, double y, int level);

    bool update(WorldRect player, World& world) override;
    const char* hitSoundKey() const override { return "peanutHit"; }

    int shotInterval = 150;
    int shotTimer = 0;
    double shotSpeed;

private:
    enum class Step { Ready, Lob, Reload };

    Step currentStep() const;
    void lob(const WorldRect& player, World& world);
};
