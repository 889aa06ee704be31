#include "render/Renderizable.hpp"

#include <SDL_render.h>

#include "render/TextureLoader.hpp"

namespace {
SDL_Rect* copyRect(const SDL_Rect* rect) {
    return rect ? new SDL_Rect(*rect) : nullptr;
}
}  // namespace

Renderizable::Renderizable(SDL_Texture* tex, double px, double py, double pw, double ph)
    : texture(tex), x(px), y(py), w(pw), h(ph) {}

Renderizable::~Renderizable() {
    delete srcRect;
    delete dstRect;
}

Renderizable::Renderizable(const Renderizable& other)
    : texture(other.texture),
      srcRect(copyRect(other.srcRect)),
      dstRect(copyRect(other.dstRect)),
      x(other.x),
      y(other.y),
      w(other.w),
      h(other.h),
      angle(other.angle) {}

Renderizable& Renderizable::operator=(const Renderizable& other) {
    if (this == &other) {
        return *this;
    }
    delete srcRect;
    delete dstRect;
    texture = other.texture;
    srcRect = copyRect(other.srcRect);
    dstRect = copyRect(other.dstRect);
    x = other.x;
    y = other.y;
    w = other.w;
    h = other.h;
    angle = other.angle;
    return *this;
}

void Renderizable::render(SDL_Renderer* renderer) {
    if (texture == nullptr || renderer == nullptr) {
        return;
    }
    // The software renderer takes a slower path for any turned copy, even one turned by nothing.
    if (angle == 0.0) {
        textures::copy(renderer, texture, srcRect, dstRect);
    } else {
        textures::copyEx(renderer, texture, srcRect, dstRect, angle, nullptr, SDL_FLIP_NONE);
    }
}

void Renderizable::updateDstRect(double scale, double cameraX, double cameraY) {
    if (dstRect == nullptr) {
        return;
    }
    dstRect->x = static_cast<int>((x - cameraX) * scale);
    dstRect->y = static_cast<int>((y - cameraY) * scale);
    dstRect->w = static_cast<int>(scale * w);
    dstRect->h = static_cast<int>(scale * h);
}

bool Renderizable::isInside(int width, int height, int left, int top) const {
    if (dstRect == nullptr) {
        return false;
    }
    const SDL_Rect& d = *dstRect;
    return d.x > left && d.x + d.w < left + width && d.y > top && d.y + d.h < top + height;
}

bool Renderizable::touchesScreenEdge(int width, int height) const {
    if (dstRect == nullptr) {
        return true;
    }
    const SDL_Rect& d = *dstRect;
    return d.x < 1 || d.x + d.w >= width || d.y < 1 || d.y + d.h >= height;
}

void Renderizable::setSrcRect(const SDL_Rect& rect) {
    if (srcRect == nullptr) {
        srcRect = new SDL_Rect(rect);
    } else {
        *srcRect = rect;
    }
}

void Renderizable::clearSrcRect() {
    delete srcRect;
    srcRect = nullptr;
}

void Renderizable::ensureDstRect() {
    if (dstRect == nullptr) {
        dstRect = new SDL_Rect{0, 0, 0, 0};
    }
}
