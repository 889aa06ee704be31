#include "actors/Disparo.hpp"

#include <cmath>

Disparo::Disparo(double velX, double velY, double accX, double accY, int dmg, double px, double py,
                 SDL_Texture* tex, double maxRange, std::optional<SDL_Rect> source, int frames,
                 double drawAngle, double pw, double ph)
    : Renderizable(tex, px, py, pw, ph),
      vx(velX),
      vy(velY),
      ax(accX),
      ay(accY),
      damage(dmg),
      startX(px),
      startY(py),
      range(maxRange),
      lifetime(frames) {
    angle = drawAngle;
    if (source) {
        setSrcRect(*source);
    }
    ensureDstRect();
}

bool Disparo::step(double scale, double cameraX, double cameraY) {
    updateDstRect(scale, cameraX, cameraY);
    x += vx;
    y += vy;
    lifetime -= 1;
    vx += ax;
    vy += ay;
    const double travelled = std::hypot(x - startX, y - startY);
    return travelled >= range || lifetime == 0;
}
