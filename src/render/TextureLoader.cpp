#include "render/TextureLoader.hpp"

#include <SDL_image.h>
#include <SDL_render.h>

namespace textures {
namespace {
SDL_Renderer* gRenderer = nullptr;
}

void setRenderer(SDL_Renderer* r) {
    gRenderer = r;
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
    SDL_Surface* surface = IMG_Load(path);
    if (surface == nullptr) {
        return nullptr;
    }
    SDL_Texture* texture = SDL_CreateTextureFromSurface(renderer, surface);
    SDL_FreeSurface(surface);
    return texture;
}

void destroy(SDL_Texture*& texture) {
    if (texture != nullptr) {
        SDL_DestroyTexture(texture);
        texture = nullptr;
    }
}

}  // namespace textures
