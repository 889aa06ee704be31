#pragma once

#include "scene/Plataforma.hpp"
#include "scene/WorldRect.hpp"

// A solid piece of furniture (a glass case): the player cannot walk through its hitbox and can
// stand on its top.
class Obstucalo : public Plataforma {
public:
    enum Contact : int {
        kNone = 0,
        kLeftFace = 1,   // pushed back out of the left face
        kRightFace = 2,  // pushed back out of the right face
        kUnderside = 3,  // the head hit the underside
        kTop = 4,        // landed on top
    };

    Obstucalo(SDL_Texture* texture, const WorldRect& picture, const WorldRect& hitbox);

    // How the player's rectangle p, after moving by (vx, vy) this frame, meets the hitbox.
    // isFloor: this obstacle lies on the floor across the scene (it then always holds).
    Contact collide(const WorldRect& p, double vx, double vy, bool isFloor) const;

    WorldRect hitbox;
};
