#include "render/PrescaledTexture.hpp"

#include <SDL_render.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "render/TextureLoader.hpp"

int PrescaledTexture::largestSide() {
    const int limit = textures::maxSide();
    return limit > 0 ? std::min(kMaxSide, limit) : kMaxSide;
}

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
    coreX_ = coreY_ = coreW_ = coreH_ = 0;
}

void PrescaledTexture::drawWhole(SDL_Renderer* renderer, SDL_Texture* source, const SDL_Rect& dst) {
    SDL_Texture* shown = at(renderer, source, dst.w, dst.h);
    if (shown == nullptr) {
        return;
    }
    if (shown != copy_ || coreW_ <= 0 || coreH_ <= 0) {
        textures::copy(renderer, shown, nullptr, &dst);
        return;
    }
    // The opaque core is copied as it is; the four strips around it are blended.
    const SDL_Rect core{coreX_, coreY_, coreW_, coreH_};
    const SDL_Rect strips[] = {
        {0, 0, width_, core.y},
        {0, core.y + core.h, width_, height_ - core.y - core.h},
        {0, core.y, core.x, core.h},
        {core.x + core.w, core.y, width_ - core.x - core.w, core.h},
    };
    for (const SDL_Rect& strip : strips) {
        if (strip.w > 0 && strip.h > 0) {
            const SDL_Rect to{dst.x + strip.x, dst.y + strip.y, strip.w, strip.h};
            SDL_RenderCopy(renderer, copy_, &strip, &to);
        }
    }
    SDL_BlendMode blend = SDL_BLENDMODE_BLEND;
    SDL_GetTextureBlendMode(copy_, &blend);
    SDL_SetTextureBlendMode(copy_, SDL_BLENDMODE_NONE);
    const SDL_Rect to{dst.x + core.x, dst.y + core.y, core.w, core.h};
    SDL_RenderCopy(renderer, copy_, &core, &to);
    SDL_SetTextureBlendMode(copy_, blend);
}

void PrescaledTexture::findOpaqueCore(SDL_Renderer* renderer) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width_) * height_);
    if (SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, pixels.data(),
                             width_ * 4) != 0) {
        return;
    }
    // The largest rectangle of opaque pixels: each row keeps, per column, how many opaque
    // pixels stand in a column ending there, and the widest bar under that skyline is measured
    // with a stack.
    std::vector<int> run(static_cast<std::size_t>(width_) + 1, 0);
    std::vector<int> stack;
    long best = 0;
    for (int y = 0; y < height_; ++y) {
        const std::uint32_t* row = &pixels[static_cast<std::size_t>(y) * width_];
        for (int x = 0; x < width_; ++x) {
            run[x] = (row[x] >> 24) == 0xFF ? run[x] + 1 : 0;
        }
        stack.clear();
        for (int x = 0; x <= width_; ++x) {
            const int h = x < width_ ? run[x] : 0;
            while (!stack.empty() && run[stack.back()] >= h) {
                const int height = run[stack.back()];
                stack.pop_back();
                const int left = stack.empty() ? 0 : stack.back() + 1;
                const long area = static_cast<long>(height) * (x - left);
                if (area > best) {
                    best = area;
                    coreX_ = left;
                    coreY_ = y - height + 1;
                    coreW_ = x - left;
                    coreH_ = height;
                }
            }
            stack.push_back(x);
        }
    }
}

SDL_Texture* PrescaledTexture::at(SDL_Renderer* renderer, SDL_Texture* source, int width,
                                  int height) {
    if (renderer == nullptr || source == nullptr || width <= 0 || height <= 0) {
        return source;
    }
    int sourceWidth = 0;
    int sourceHeight = 0;
    textures::size(source, sourceWidth, sourceHeight);
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
    textures::size(source, sourceWidth, sourceHeight);
    const SDL_Rect part = src != nullptr ? *src : SDL_Rect{0, 0, sourceWidth, sourceHeight};
    if (part.w <= 0 || part.h <= 0) {
        return;
    }
    const double sx = static_cast<double>(dst.w) / part.w;
    const double sy = static_cast<double>(dst.h) / part.h;
    const int copyWidth = static_cast<int>(std::lround(sourceWidth * sx));
    const int copyHeight = static_cast<int>(std::lround(sourceHeight * sy));
    if ((part.w == dst.w && part.h == dst.h) || copyWidth > largestSide() ||
        copyHeight > largestSide() || copyWidth < dst.w || copyHeight < dst.h) {
        textures::copy(renderer, source, &part, &dst);
        return;
    }
    SDL_Texture* copy = at(renderer, source, copyWidth, copyHeight);
    if (copy == source) {
        textures::copy(renderer, source, &part, &dst);
        return;
    }
    const SDL_Rect scaledPart{
        std::clamp(static_cast<int>(std::lround(part.x * sx)), 0, copyWidth - dst.w),
        std::clamp(static_cast<int>(std::lround(part.y * sy)), 0, copyHeight - dst.h), dst.w,
        dst.h};
    SDL_RenderCopy(renderer, copy, &scaledPart, &dst);
}

bool PrescaledTexture::make(SDL_Renderer* renderer, SDL_Texture* source, int width, int height) {
    if (SDL_RenderTargetSupported(renderer) != SDL_TRUE || width > largestSide() ||
        height > largestSide()) {
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
        textures::copy(renderer, source, nullptr, nullptr);
        made = true;
        SDL_SetTextureBlendMode(source, blend);
        width_ = width;
        height_ = height;
        if (made && findCore_) {
            findOpaqueCore(renderer);
        }
        SDL_SetRenderTarget(renderer, previousTarget);
    }
    SDL_SetRenderDrawColor(renderer, r, g, b, a);
    if (!made) {
        SDL_DestroyTexture(copy_);
        copy_ = nullptr;
        return false;
    }
    SDL_SetTextureBlendMode(copy_, blend);
    textures::noteTexture(width, height);
    textures::rest(source);
    source_ = source;
    renderer_ = renderer;
    width_ = width;
    height_ = height;
    return true;
}
