#pragma once

struct SDL_Texture;

// One texture handle per regular enemy sheet and projectile, shared by every enemy of a kind.
// Scene changes free and reload them; a run start loads them.
struct EnemyTextures {
    SDL_Texture* blankySheet = nullptr;
    SDL_Texture* blankyShot = nullptr;
    SDL_Texture* pikabooSheet = nullptr;
    SDL_Texture* peanutSheet = nullptr;
    SDL_Texture* peanutShot = nullptr;  // a second texture of the same enemy-shot image
    SDL_Texture* butterSheet = nullptr;
    SDL_Texture* butterDrop = nullptr;
    SDL_Texture* handySheet = nullptr;
    SDL_Texture* scissorsShot = nullptr;
    SDL_Texture* rockShot = nullptr;
};

EnemyTextures& enemyTextures();
void loadEnemyTextures();
void freeEnemyTextures();
