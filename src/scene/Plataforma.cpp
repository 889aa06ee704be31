#include "scene/Plataforma.hpp"

Plataforma::Plataforma(SDL_Texture* tex, double px, double py, double pw, double ph,
                       double top)
    : Renderizable(tex, px, py, pw, ph), surface(top) {}

bool Plataforma::holds(double feetY, double centreX, double vy, bool isFloor) const {
    if (isFloor) {
        return surface <= feetY;
    }
    // Landing only from above: moving down (or still), the feet at or below the top now and at
    // or above it a frame ago, and the body's centre over the top.
    return vy >= 0.0 && surface <= feetY && x <= centreX && centreX <= x + w &&
           feetY - vy <= surface;
}
