#pragma once

#include <optional>

#include "render/Renderizable.hpp"
#include "scene/WorldRect.hpp"

// The one projectile of the game. The player's shots and every enemy or boss missile differ
// only in the values they are built with.
class Disparo : public Renderizable {
public:
    // lifetime -1 never runs out; a source rectangle, when given, cuts the texture.
    Disparo(double vx, double vy, double ax, double ay, int damage, double x, double y,
            SDL_Texture* texture, double range, std::optional<SDL_Rect> source, int lifetime,
            double angle, double w, double h);

    // One frame of flight: refresh the pixel rectangle, move, age, accelerate. Returns true when
    // the projectile has flown its range or its lifetime has run out and must be removed.
    bool step(double scale, double cameraX, double cameraY);

    WorldRect rect() const { return WorldRect{x, y, w, h}; }

    double vx;
    double vy;
    double ax;
    double ay;
    int damage;
    double startX;
    double startY;
    double range;
    int lifetime;
};
