#include "render/PrescaledTexture.hpp"

#include <SDL_render.h>

#include <algorithm>
#include <cmath>

PrescaledTexture::~PrescaledTexture() {
    clear();
}

void PrescaledTexture::clear() {
    if (copy_ != nullptr) {
        SDL_DestroyTexture(copy_);
        copy_ = nullptr;
    }
    source_ = nullptr;
    renderer_ = nullptr;
    width_ = height_ = 0;
}

SDL_Texture* PrescaledTexture::at(SDL_Renderer* renderer, SDL_Texture* source, int width,
                                  int height) {
    if (renderer == nullptr || source == nullptr || width <= 0 || height <= 0) {
        return source;
    }
    int sourceWidth = 0;
    int sourceHeight = 0;
    SDL_QueryTexture(source, nullptr, nullptr, &sourceWidth, &sourceHeight);
    if (sourceWidth == width && sourceHeight == height) {
        return source;
    }
    if (copy_ != nullptr && source == source_ && renderer == renderer_ && width == width_ &&
        height == height_) {
        return copy_;
    }
    clear();
    return make(renderer, source, width, height) ? copy_ : source;
}

void PrescaledTexture::draw(SDL_Renderer* renderer, SDL_Texture* source, const SDL_Rect* src,
                            const SDL_Rect& dst) {
    if (renderer == nullptr || source == nullptr || dst.w <= 0 || dst.h <= 0) {
        return;
    }
    int sourceWidth = 0;
    int sourceHeight = 0;
    SDL_QueryTexture(source, nullptr, nullptr, &sourceWidth, &sourceHeight);
    const SDL_Rect part = src != nullptr ? *src : SDL_Rect{0, 0, sourceWidth, sourceHeight};
    if (part.w <= 0 || part.h <= 0) {
        return;
    }
    const double sx = static_cast<double>(dst.w) / part.w;
    const double sy = static_cast<double>(dst.h) / part.h;
    const int copyWidth = static_cast<int>(std::lround(sourceWidth * sx));
    const int copyHeight = static_cast<int>(std::lround(sourceHeight * sy));
    if ((part.w == dst.w && part.h == dst.h) || copyWidth > kMaxSide || copyHeight > kMaxSide ||
        copyWidth < dst.w || copyHeight < dst.h) {
        SDL_RenderCopy(renderer, source, &part, &dst);
        return;
    }
    SDL_Texture* copy = at(renderer, source, copyWidth, copyHeight);
    if (copy == source) {
        SDL_RenderCopy(renderer, source, &part, &dst);
        return;
    }
    const SDL_Rect scaledPart{
        std::clamp(static_cast<int>(std::lround(part.x * sx)), 0, copyWidth - dst.w),
        std::clamp(static_cast<int>(std::lround(part.y * sy)), 0, copyHeight - dst.h), dst.w,
        dst.h};
    SDL_RenderCopy(renderer, copy, &scaledPart, &dst);
}

bool PrescaledTexture::make(SDL_Renderer* renderer, SDL_Texture* source, int width, int height) {
    if (SDL_RenderTargetSupported(renderer) != SDL_TRUE) {
        return false;
    }
    copy_ = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, width,
                              height);
    if (copy_ == nullptr) {
        return false;
    }
    SDL_Texture* previousTarget = SDL_GetRenderTarget(renderer);
    Uint8 r = 0;
    Uint8 g = 0;
    Uint8 b = 0;
    Uint8 a = 0;
    SDL_GetRenderDrawColor(renderer, &r, &g, &b, &a);
    SDL_BlendMode blend = SDL_BLENDMODE_BLEND;
    SDL_GetTextureBlendMode(source, &blend);

    bool made = SDL_SetRenderTarget(renderer, copy_) == 0;
    if (made) {
        // The copy takes the picture's own pixels, transparency included, not a blend over black.
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, 0);
        SDL_RenderClear(renderer);
        SDL_SetTextureBlendMode(source, SDL_BLENDMODE_NONE);
        made = SDL_RenderCopy(renderer, source, nullptr, nullptr) == 0;
        SDL_SetTextureBlendMode(source, blend);
        SDL_SetRenderTarget(renderer, previousTarget);
    }
    SDL_SetRenderDrawColor(renderer, r, g, b, a);
    if (!made) {
        SDL_DestroyTexture(copy_);
        copy_ = nullptr;
        return false;
    }
    SDL_SetTextureBlendMode(copy_, blend);
    source_ = source;
    renderer_ = renderer;
    width_ = width;
    height_ = height;
    return true;
}
