#include "scene/Obstucalo.hpp"

namespace {
bool within(double v, double lo, double hi) {
    return lo <= v && v <= hi;
}

// Inclusive overlap of [a, a + aw] and [b, b + bw]: an end of a inside b, or b wholly inside a.
bool spansOverlap(double a, double aw, double b, double bw) {
    return within(a, b, b + bw) || within(a + aw, b, b + bw) ||
           (a <= b && b + bw <= a + aw);
}
}  // namespace

Obstucalo::Obstucalo(SDL_Texture* tex, const WorldRect& picture, const WorldRect& box)
    : Plataforma(tex, picture.x, picture.y, picture.w, picture.h, box.y), hitbox(box) {}

Obstucalo::Contact Obstucalo::collide(const WorldRect& p, double vx, double vy,
                                      bool isFloor) const {
    const WorldRect& hb = hitbox;
    const bool across = spansOverlap(p.x, p.w, hb.x, hb.w);
    const bool along = spansOverlap(p.y, p.h, hb.y, hb.h);
    // Which face was crossed this frame decides the push.
    if (hb.y + hb.h > p.y && p.y - vy >= hb.y + hb.h && across) {
        return kUnderside;
    }
    if (p.x + p.w > hb.x && hb.x >= p.x + p.w - vx && along) {
        return kLeftFace;
    }
    if (hb.x + hb.w > p.x && p.x - vx >= hb.x + hb.w && along) {
        return kRightFace;
    }
    if (!(p.y + p.h > hb.y && hb.y >= p.y + p.h - vy && across)) {
        return kNone;
    }
    if (holds(p.y + p.h, p.x + p.w / 2.0, vy, isFloor)) {
        return kTop;
    }
    return hb.x > p.x - vx ? kLeftFace : kRightFace;
}
