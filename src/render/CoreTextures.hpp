#pragma once

#include <array>
#include <cstddef>

struct SDL_Texture;

// Images loaded once at start-up and kept for the whole program: the player's sheet and shot,
// the platform image table, the button plates and the menu backgrounds.
struct CoreTextures {
    SDL_Texture* protaSheet = nullptr;
    SDL_Texture* protaShot = nullptr;
    std::array<SDL_Texture*, 5> platforms{};
    SDL_Texture* shortButton = nullptr;
    SDL_Texture* longButton = nullptr;
    SDL_Texture* titleScreen = nullptr;
    SDL_Texture* pauseScreen = nullptr;
    SDL_Texture* gameOverScreen = nullptr;
    SDL_Texture* rankingScreen = nullptr;
    // Each menu's backdrop without its cards and plates, for the margins beside it.
    SDL_Texture* titleMargin = nullptr;
    SDL_Texture* pauseMargin = nullptr;
    SDL_Texture* gameMenuMargin = nullptr;
    SDL_Texture* gameOverMargin = nullptr;
    SDL_Texture* rankingMargin = nullptr;
    // The background table that scene files index; entries 4 and 5 are menu backgrounds too.
    std::array<SDL_Texture*, 9> backgrounds{};
    // The shop with its sign in English ("POCKETS & Co.").
    SDL_Texture* shopBackgroundEn = nullptr;
};

// The background table's entries that are menu backgrounds: the plain menu board, and the board
// with the language panel.
inline constexpr std::size_t kMenuBoardBackground = 4;
inline constexpr std::size_t kLanguageBoardBackground = 5;
// The shop, whose sign is painted in the players' language.
inline constexpr std::size_t kShopBackground = 3;

CoreTextures& coreTextures();
// Both halves below.
void loadCoreTextures();
// What the menus keep from the moment they are made: the button plates and every menu
// background.
void loadMenuCoreTextures();
// What only a run draws: the player, the platforms and the room backgrounds.
void loadPlayCoreTextures();
void freeCoreTextures();
// The picture to draw for a core picture in a language (0 Spanish, 1 English): the English
// version where one is painted, otherwise the picture itself.
SDL_Texture* inLanguage(SDL_Texture* picture, int language);
// What the margins beside a menu drawn on background show: its backdrop alone, or null when the
// background has none (the margins then mirror the background itself).
SDL_Texture* marginArtFor(SDL_Texture* background);
