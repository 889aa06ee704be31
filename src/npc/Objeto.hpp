#pragma once

#include <memory>

#include "render/Renderizable.hpp"
#include "scene/WorldRect.hpp"

// A pick-up lying in a scene: a shop upgrade, the tutorial's heart container or a heart dropped
// by a defeated enemy.
class Objeto : public Renderizable {
public:
    enum Kind : int {
        kDamage = 0,
        kSpeed = 1,
        kFireRate = 2,
        kRange = 3,
        kHeartContainer = 4,
        kHeart = 5,
    };

    // restY: the height its bottom comes to rest at when it falls; fallAccel: added to vy every
    // frame while falling.
    Objeto(const WorldRect& rect, double restY, double fallAccel, int kind);

    // One frame of falling; stops on restY.
    void fall();

    int kind = 0;
    double restY = 0.0;
    double vy = 0.0;
    double fallAccel = 0.0;
    bool falling = false;
};
