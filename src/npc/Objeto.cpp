#include "npc/Objeto.hpp"

#include "npc/Items.hpp"

Objeto::Objeto(const WorldRect& rect, double rest, double accel, int k)
    : Renderizable(items::image(k), rect.x, rect.y, rect.w, rect.h),
      kind(k),
      restY(rest),
      fallAccel(accel) {
    setSrcRect(SDL_Rect{0, 0, 128, 128});
    ensureDstRect();
}

void Objeto::fall() {
    vy += fallAccel;
    if (restY < y + h + vy) {
        falling = false;
        y = restY - h;
    } else {
        y += vy;
    }
}
