#pragma once

struct SDL_Texture;

// The sheets of the boss arenas. Only one boss's set is loaded at a time: from entering its
// arena until the run leaves it. Greed's pearls, diamonds and coins are cut from Greed's sheet,
// Lust's hearts from hers, and Valdro's waves and skulls from his first sheet.
struct BossTextures {
    SDL_Texture* greedSheet = nullptr;
    SDL_Texture* lustSheet = nullptr;
    SDL_Texture* lampySheet = nullptr;
    SDL_Texture* lampyLight = nullptr;
    SDL_Texture* spotlight = nullptr;  // the blackout; loaded fully transparent
    SDL_Texture* valdro1Sheet = nullptr;
    SDL_Texture* valdro2Sheet = nullptr;
    SDL_Texture* valdro3Sheet = nullptr;
};

BossTextures& bossTextures();
// Loads the set of one boss (0 Greed, 1 Lust, 2 Valdro), freeing whatever set was loaded.
// Any other kind only frees.
void loadBossTextures(int kind);
// Frees every boss sheet. Anything still holding one stops drawing it first (SheetLease).
void freeBossTextures();
