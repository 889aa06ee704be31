#pragma once

#include <memory>

#include "bosses/SheetLease.hpp"
#include "enemies/Enemigo.hpp"

class World;

// What a boss throws or brings along: an enemy the scene moves, draws, removes and lets touch the
// player like any other, but that the player's shots pass through. It is awake from the start
// and worth nothing.
class BossProjectile : public Enemigo {
public:
    static constexpr int kHealth = 999;
    static constexpr double kAlwaysAwake = 1000.0;
    // Out of the player's reach until the first frame places the contact box.
    static constexpr double kParkedX = -2000.0;

    BossProjectile();

    bool hitByShot(std::shared_ptr<Disparo> shot) override;

protected:
    // The world rectangle, the sheet and a single looping "idle" frame cut from it. The pixel
    // rectangle starts off screen; both boxes follow the rectangle.
    void placeSprite(double px, double py, double pw, double ph, SDL_Texture* sheetTexture,
                     int sheetX, int sheetY, int frameW, int frameH, int ticks = 1000);
    // Some part of it has left the scene.
    bool partlyOutside(const World& world) const;
    // No part of it is in the scene any more.
    bool whollyOutside(const World& world) const;
    // Gone: the scene removes it on this frame.
    void vanish();

private:
    SheetLease lease_{*this};
};
