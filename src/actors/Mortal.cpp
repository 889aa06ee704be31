#include "actors/Mortal.hpp"

#include <SDL_rect.h>

void Mortal::render(SDL_Renderer* renderer) {
    draw(renderer, 0.0, nullptr);
}

bool Mortal::hitByRect(WorldRect box) {
    if (!overlaps(box, hitbox)) {
        return false;
    }
    hp -= 1;
    return true;
}

bool Mortal::isDead() {
    return hp < 1;
}

void Mortal::updateHitboxes() {
    hitbox = WorldRect{x, y, w, h};
    syncBox2();
}

void Mortal::syncBox2() {
    box2 = WorldRect{x - 0.1, y - 0.1, w - 0.1, h - 0.1};
}

void Mortal::startDying() {
    // A killing blow during the "damage" flash still shows the whole death.
    interruptWith("death");
    hitbox.x = kOutOfReach;
    box2.x = kOutOfReach;
    dying = true;
}

void Mortal::parkOffScreen() {
    ensureDstRect();
    *dstRect = SDL_Rect{-1000, -1000, 0, 0};
}
