#pragma once

#include "render/Renderizable.hpp"

// Something the player can stand on: a table, a stool, a counter, or an invisible ledge such as
// the floor. Its picture is the world rectangle; surface is the world y of its walkable top.
class Plataforma : public Renderizable {
public:
    Plataforma(SDL_Texture* texture, double x, double y, double w, double h, double surface);

    // The feet at feetY, centred at centreX, moving down by vy this frame, reach the top. The
    // floor (isFloor) holds the player whatever it does.
    bool holds(double feetY, double centreX, double vy, bool isFloor) const;

    double surface = 0.0;
};
