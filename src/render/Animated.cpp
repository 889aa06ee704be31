#include "render/Animated.hpp"

#include <SDL_render.h>

#include "render/TextureLoader.hpp"

namespace {
const std::string kDamage = "damage";
const std::string kDefault = "default";
// While tintTicks runs a hit object is drawn in this red.
constexpr SDL_Color kTint{255, 125, 125, 255};
}  // namespace

Animated::Animated(SDL_Texture* sheetTexture) : sheet(sheetTexture) {
    ensureDstRect();
}

bool Animated::addAnimation(const std::string& name, int frames, int sheetX, int sheetY, int frameW,
                            int frameH, int ticksPerFrame, bool loop, bool reverse,
                            const std::string& next) {
    if (animations.count(name) != 0) {
        return false;
    }
    AnimationInfo info{frames, sheetX, sheetY, frameW, frameH, ticksPerFrame, loop, next, reverse};
    animations.emplace(name, info);
    if (animations.count(kDefault) == 0) {
        animations.emplace(kDefault, info);
    }
    return true;
}

void Animated::switchTo(const std::string& name) {
    const AnimationInfo& info = animations.at(name);
    currentAnimation = name;
    frame = info.reverse ? info.frames - 1 : 0;
    ticksLeft = info.ticksPerFrame;
}

bool Animated::setAnimation(const std::string& name) {
    if (animations.count(name) == 0) {
        return false;
    }
    if (currentAnimation == kDamage) {
        resumeAnimation = name;
        return true;
    }
    if (name != currentAnimation) {
        switchTo(name);
    }
    return true;
}

bool Animated::setAnimation(const std::string& name, bool flip) {
    if (animations.count(name) == 0) {
        return false;
    }
    if (currentAnimation == kDamage) {
        resumeAnimation = name;
        flipped = flip;
        return true;
    }
    if (name != currentAnimation || flip != flipped) {
        flipped = flip;
        switchTo(name);
    }
    return true;
}

void Animated::playDamage() {
    if (currentAnimation == kDamage || animations.count(kDamage) == 0) {
        return;
    }
    resumeAnimation = currentAnimation;
    switchTo(kDamage);
}

bool Animated::interruptWith(const std::string& name) {
    if (animations.count(name) == 0) {
        return false;
    }
    resumeAnimation = kDefault;
    if (name != currentAnimation) {
        switchTo(name);
    }
    return true;
}

bool Animated::currentFrameRect(SDL_Rect& out) const {
    auto it = animations.find(currentAnimation);
    if (it == animations.end()) {
        return false;
    }
    const AnimationInfo& info = it->second;
    out = SDL_Rect{info.sheetX + frame * info.frameW, info.sheetY, info.frameW, info.frameH};
    return true;
}

void Animated::advanceTick() {
    auto it = animations.find(currentAnimation);
    if (it == animations.end()) {
        return;
    }
    const AnimationInfo& info = it->second;
    ticksLeft -= 1;
    if (ticksLeft >= 1) {
        return;
    }
    if (info.reverse) {
        frame -= 1;
        if (frame >= 0) {
            ticksLeft = info.ticksPerFrame;
            return;
        }
    } else {
        frame += 1;
        if (frame < info.frames) {
            ticksLeft = info.ticksPerFrame;
            return;
        }
    }
    if (info.loop) {
        ticksLeft = info.ticksPerFrame;
    } else {
        if (currentAnimation == kDamage && !info.reverse) {
            currentAnimation = resumeAnimation;
            resumeAnimation = kDefault;
        } else {
            currentAnimation = info.next;
        }
        auto now = animations.find(currentAnimation);
        ticksLeft = now != animations.end() ? now->second.ticksPerFrame : 0;
    }
    auto now = animations.find(currentAnimation);
    if (now != animations.end()) {
        frame = now->second.reverse ? now->second.frames - 1 : 0;
    }
}

void Animated::draw(SDL_Renderer* renderer, double drawAngle, const SDL_Point* center) {
    SDL_Rect src;
    if (!currentFrameRect(src)) {
        return;
    }
    if (renderer != nullptr && sheet != nullptr) {
        textures::copyEx(renderer, sheet, &src, dstRect, drawAngle, center,
                         flipped ? SDL_FLIP_HORIZONTAL : SDL_FLIP_NONE);
    }
    advanceTick();
}

void Animated::clipToRect(SDL_Rect& src, const SDL_Rect& clip) const {
    SDL_Rect& dst = *dstRect;
    const bool intersects = dst.x <= clip.x + clip.w && dst.x + dst.w >= clip.x &&
                            dst.y <= clip.y + clip.h && dst.y + dst.h >= clip.y;
    if (!intersects || dst.w <= 0 || dst.h <= 0) {
        dst.w = 0;
        return;
    }
    if (dst.x < clip.x) {
        const int d = clip.x - dst.x;
        const double lost = d * static_cast<double>(src.w) / dst.w;
        if (!flipped) {
            src.x = static_cast<int>(src.x + lost);
        }
        src.w = static_cast<int>(src.w - lost);
        dst.x = clip.x;
        dst.w -= d;
    }
    if (dst.x + dst.w > clip.x + clip.w && dst.w > 0) {
        const int d = dst.x + dst.w - (clip.x + clip.w);
        const double lost = d * static_cast<double>(src.w) / dst.w;
        if (flipped) {
            src.x = static_cast<int>(src.x + lost);
        }
        src.w = static_cast<int>(src.w - lost);
        dst.w -= d;
    }
    if (dst.y < clip.y) {
        const int d = clip.y - dst.y;
        const double lost = d * static_cast<double>(src.h) / dst.h;
        src.y = static_cast<int>(src.y + lost);
        src.h = static_cast<int>(src.h - lost);
        dst.y = clip.y;
        dst.h -= d;
    }
    if (dst.y + dst.h > clip.y + clip.h && dst.h > 0) {
        const int d = dst.y + dst.h - (clip.y + clip.h);
        const double lost = d * static_cast<double>(src.h) / dst.h;
        src.h = static_cast<int>(src.h - lost);
        dst.h -= d;
    }
}

void Animated::drawClipped(SDL_Renderer* renderer, const SDL_Rect& clip) {
    SDL_Rect src;
    if (!currentFrameRect(src)) {
        return;
    }
    if (dstRect != nullptr) {
        clipToRect(src, clip);
    }
    lastClippedSource_ = src;
    if (sheet != nullptr) {
        // The tint is this object's own: whatever else shares the sheet (a boss's projectiles)
        // is drawn in its own colour before or after it.
        if (tintTicks > 0) {
            SDL_SetTextureColorMod(sheet, kTint.r, kTint.g, kTint.b);
        } else {
            SDL_SetTextureColorMod(sheet, 255, 255, 255);
        }
    }
    if (renderer != nullptr && sheet != nullptr && (dstRect == nullptr || dstRect->w > 0)) {
        textures::copyEx(renderer, sheet, &src, dstRect, angle, nullptr,
                         flipped ? SDL_FLIP_HORIZONTAL : SDL_FLIP_NONE);
    }
    advanceTick();
    if (tintTicks > 0) {
        tintTicks -= 1;
    }
}
