#include "scene/BandClip.hpp"

#include "render/Animated.hpp"
#include "render/Renderizable.hpp"

namespace {
// Cuts one axis of a picture to [clipPos, clipPos + clipLen], its source in proportion.
void cutSpan(int& pos, int& len, int& srcPos, int& srcLen, int clipPos, int clipLen) {
    const int fullLen = len;
    const int fullSrc = srcLen;
    if (pos < clipPos) {
        const int cut = clipPos - pos;
        const int srcCut = cut * fullSrc / fullLen;
        srcPos += srcCut;
        srcLen -= srcCut;
        pos = clipPos;
        len -= cut;
    }
    if (pos + len > clipPos + clipLen) {
        const int cut = pos + len - (clipPos + clipLen);
        srcLen -= cut * fullSrc / fullLen;
        len -= cut;
    }
}
}  // namespace

ClipBackup clipToRect(Renderizable& r, const SDL_Rect& clip) {
    ClipBackup backup;
    if (r.dstRect == nullptr) {
        return backup;
    }
    backup.dst = *r.dstRect;
    SDL_Rect& d = *r.dstRect;
    if (r.srcRect != nullptr) {
        backup.hadSrc = true;
        backup.src = *r.srcRect;
    }
    const bool touches = d.x <= clip.x + clip.w && clip.x <= d.x + d.w && d.y <= clip.y + clip.h &&
                         clip.y <= d.y + d.h;
    if (!touches) {
        d.w = 0;
        d.y = 0;
        return backup;
    }
    if (r.srcRect == nullptr || d.w <= 0 || d.h <= 0) {
        return backup;
    }
    SDL_Rect& s = *r.srcRect;
    cutSpan(d.x, d.w, s.x, s.w, clip.x, clip.w);
    cutSpan(d.y, d.h, s.y, s.h, clip.y, clip.h);
    return backup;
}

void restoreClip(Renderizable& r, const ClipBackup& backup) {
    if (r.dstRect != nullptr) {
        *r.dstRect = backup.dst;
    }
    if (backup.hadSrc && r.srcRect != nullptr) {
        *r.srcRect = backup.src;
    }
}

void drawAnimatedInBand(SDL_Renderer* renderer, Animated& a, const SDL_Rect& band) {
    const SDL_Rect whole = a.dstRect != nullptr ? *a.dstRect : SDL_Rect{0, 0, 0, 0};
    a.drawClipped(renderer, band);
    if (a.dstRect != nullptr) {
        *a.dstRect = whole;
    }
}

void drawInBand(SDL_Renderer* renderer, Renderizable& r, const SDL_Rect& band) {
    const ClipBackup backup = clipToRect(r, band);
    if (r.dstRect != nullptr && r.dstRect->w > 0) {
        r.render(renderer);
    }
    restoreClip(r, backup);
}

SDL_Rect bandOf(const Renderizable& r) {
    return r.dstRect != nullptr ? *r.dstRect : SDL_Rect{0, 0, 0, 0};
}
