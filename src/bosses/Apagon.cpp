#include "bosses/Apagon.hpp"

#include <SDL_render.h>

#include <algorithm>

#include "bosses/BossTextures.hpp"
#include "bosses/Lujuria.hpp"

namespace {
// Below this the fade-out has run its course.
constexpr int kAlmostGone = 6;
}  // namespace

Apagon::Apagon(Lujuria* lust) : Companion(lust, false) {
    placeSprite(0.0, 0.0, kWidth, kHeight, bossTextures().spotlight, 0, 0, 300, 155, 10000);
}

bool Apagon::update(WorldRect player, World&) {
    x = player.x - kLeftOfPlayer;
    y = player.y - kAbovePlayer;
    const int before = alpha;
    if (owner != nullptr && owner->hp > 0) {
        alpha = std::min(before + kFadeIn, kOpaque);
    } else {
        alpha = std::max(before - kFadeOut, 0);
        if (before < kAlmostGone) {
            vanish();
        }
    }
    applyAlpha();
    return flipped;
}

void Apagon::applyAlpha() {
    if (sheet != nullptr) {
        SDL_SetTextureAlphaMod(sheet, static_cast<Uint8>(alpha));
    }
}
