#include "render/TextureLoader.hpp"

#include <SDL_image.h>
#include <SDL_render.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <thread>

#include "render/ImageDecoder.hpp"
#include "render/PictureStore.hpp"

namespace textures {
namespace {

// Both cores unpack pictures behind the title; more workers only fight over them.
constexpr unsigned kMaxDecoders = 3;

// A deferred texture waiting for its decoded picture.
struct Pending {
    SDL_Texture* texture;
    int ticket;
};

SDL_Renderer* gRenderer = nullptr;
PictureStore gStore;
bool gDeferring = false;
std::vector<std::string> gImmediate;
std::unique_ptr<ImageDecoder> gDecoder;
std::vector<Pending> gPending;

SDL_Texture* loadNow(SDL_Renderer* renderer, const char* path) {
    SDL_Surface* surface = IMG_Load(path);
    if (surface == nullptr) {
        return nullptr;
    }
    SDL_Texture* texture = SDL_CreateTextureFromSurface(renderer, surface);
    SDL_FreeSurface(surface);
    return texture;
}

// An empty texture of the picture's size, filled once the workers have decoded it. Pictures with
// alpha blend as loaded ones do; opaque ones are copied without blending.
SDL_Texture* loadDeferred(SDL_Renderer* renderer, const char* path) {
    int width = 0;
    int height = 0;
    bool alpha = false;
    if (!ImageDecoder::readHeader(path, width, height, alpha)) {
        return loadNow(renderer, path);
    }
    const Uint32 format = alpha ? SDL_PIXELFORMAT_ARGB8888 : SDL_PIXELFORMAT_RGB888;
    SDL_Texture* texture =
        SDL_CreateTexture(renderer, format, SDL_TEXTUREACCESS_STATIC, width, height);
    if (texture == nullptr) {
        return loadNow(renderer, path);
    }
    SDL_SetTextureBlendMode(texture, alpha ? SDL_BLENDMODE_BLEND : SDL_BLENDMODE_NONE);
    if (!gDecoder) {
        const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
        gDecoder = std::make_unique<ImageDecoder>(static_cast<int>(std::min(cores, kMaxDecoders)));
    }
    gPending.push_back(Pending{texture, gDecoder->queue(path, format)});
    return texture;
}

void fill(const Pending& p, SDL_Surface* surface) {
    if (surface != nullptr) {
        SDL_UpdateTexture(p.texture, nullptr, surface->pixels, surface->pitch);
        SDL_FreeSurface(surface);
    }
}

}  // namespace

void setRenderer(SDL_Renderer* r, int maxSide) {
    if (r != gRenderer) {
        gStore.clear();
    }
    gRenderer = r;
    gStore.setRenderer(r, maxSide);
}

SDL_Renderer* renderer() {
    return gRenderer;
}

SDL_Texture* load(const char* path) {
    return load(gRenderer, path);
}

SDL_Texture* load(SDL_Renderer* renderer, const char* path) {
    if (renderer == nullptr) {
        return nullptr;
    }
    if (SDL_Texture* big = gStore.acquire(renderer, path)) {
        return big;
    }
    if (gDeferring && std::find(gImmediate.begin(), gImmediate.end(), path) == gImmediate.end()) {
        return loadDeferred(renderer, path);
    }
    return loadNow(renderer, path);
}

void destroy(SDL_Texture*& texture) {
    if (texture == nullptr) {
        return;
    }
    if (gStore.release(texture)) {
        texture = nullptr;
        return;
    }
    const auto pending = std::find_if(gPending.begin(), gPending.end(),
                                      [&](const Pending& p) { return p.texture == texture; });
    if (pending != gPending.end()) {
        gDecoder->drop(pending->ticket);
        gPending.erase(pending);
    }
    SDL_DestroyTexture(texture);
    texture = nullptr;
}

void deferLoads(std::vector<std::string> immediate) {
    gDeferring = true;
    gImmediate = std::move(immediate);
}

void stopDeferring() {
    gDeferring = false;
    gImmediate.clear();
}

void fillDecoded(int count) {
    for (auto p = gPending.begin(); p != gPending.end() && count > 0;) {
        SDL_Surface* surface = nullptr;
        if (gDecoder->take(p->ticket, surface, false)) {
            fill(*p, surface);
            p = gPending.erase(p);
            --count;
        } else {
            ++p;
        }
    }
    if (gPending.empty() && !gDeferring) {
        gDecoder.reset();
    }
}

void finishDecoding() {
    for (const Pending& p : gPending) {
        SDL_Surface* surface = nullptr;
        gDecoder->take(p.ticket, surface, true);
        fill(p, surface);
    }
    gPending.clear();
    if (!gDeferring) {
        gDecoder.reset();
    }
}

int decodingPending() {
    return static_cast<int>(gPending.size());
}

void abandonDecoding() {
    stopDeferring();
    gPending.clear();
    gDecoder.reset();
}

void copy(SDL_Renderer* renderer, SDL_Texture* texture, const SDL_Rect* src, const SDL_Rect* dst) {
    if (!gStore.draw(renderer, texture, src, dst, false, 0.0, nullptr, SDL_FLIP_NONE)) {
        SDL_RenderCopy(renderer, texture, src, dst);
    }
}

void copyEx(SDL_Renderer* renderer, SDL_Texture* texture, const SDL_Rect* src, const SDL_Rect* dst,
            double angle, const SDL_Point* center, SDL_RendererFlip flip) {
    if (!gStore.draw(renderer, texture, src, dst, true, angle, center, flip)) {
        SDL_RenderCopyEx(renderer, texture, src, dst, angle, center, flip);
    }
}

bool size(SDL_Texture* texture, int& width, int& height) {
    if (gStore.size(texture, width, height)) {
        return true;
    }
    return texture != nullptr && SDL_QueryTexture(texture, nullptr, nullptr, &width, &height) == 0;
}

void rest(SDL_Texture* texture) {
    gStore.rest(texture);
}

int maxSide() {
    return gStore.maxSide();
}

void noteTexture(int width, int height) {
    gStore.noteTexture(width, height);
}

void prefetch(const std::vector<std::string>& paths) {
    gStore.prefetch(paths);
}

void endFrame() {
    gStore.endFrame();
}

PictureStore& store() {
    return gStore;
}

}  // namespace textures
