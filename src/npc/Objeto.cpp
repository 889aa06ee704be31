#include "npc/Objeto.hpp"

#include "npc/Items.hpp"

namespace {
// Item pictures are drawn from this corner of their image.
constexpr SDL_Rect kItemFrame{0, 0, 128, 128};
}  // namespace

Objeto::Objeto(const WorldRect& rect, double rest, double accel, int itemKind)
    : Renderizable(items::image(itemKind), rect.x, rect.y, rect.w, rect.h),
      kind(itemKind),
      restY(rest),
      fallAccel(accel) {
    setSrcRect(kItemFrame);
    ensureDstRect();
}

void Objeto::fall() {
    if (!falling) {
        return;
    }
    vy += fallAccel;
    if (restY < y + h + vy) {
        // It would sink below its resting height this frame: it lands on it.
        falling = false;
        y = restY - h;
    } else {
        y += vy;
    }
}
