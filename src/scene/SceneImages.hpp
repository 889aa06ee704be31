#pragma once

#include <array>

struct SDL_Texture;

// Pictures every playable scene draws, loaded once at start-up: the aim, the HUD hearts, the
// interaction prompt, the coin, the garden layers behind the windows and the hero's head of the
// game-over screen. Room backgrounds are held by the core textures.
struct SceneImages {
    SDL_Texture* crosshair = nullptr;
    SDL_Texture* reticle = nullptr;
    SDL_Texture* hearts = nullptr;
    SDL_Texture* emptyHearts = nullptr;
    SDL_Texture* coin = nullptr;
    SDL_Texture* prompt = nullptr;
    std::array<SDL_Texture*, 3> trees{};  // trees1, trees2, trees3
};

SceneImages& sceneImages();
void loadSceneImages();
void freeSceneImages();
