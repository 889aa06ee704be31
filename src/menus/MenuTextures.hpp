#pragma once

#include <array>

struct SDL_Texture;

// Pictures only the menus use, loaded once at start-up: the volume bar of the settings screen,
// the hero's head beside the revive counter and the item information panel per language.
struct MenuTextures {
    SDL_Texture* volumeBar = nullptr;
    SDL_Texture* protaHead = nullptr;
    std::array<SDL_Texture*, 2> itemInfo{};  // 0 Spanish, 1 English
};

MenuTextures& menuTextures();
void loadMenuTextures();
void freeMenuTextures();
