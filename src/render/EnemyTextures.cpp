#include "render/EnemyTextures.hpp"

#include "render/Paths.hpp"
#include "render/TextureLoader.hpp"

EnemyTextures& enemyTextures() {
    static EnemyTextures instance;
    return instance;
}

void loadEnemyTextures() {
    // Loading twice must not leak the first set.
    freeEnemyTextures();
    EnemyTextures& t = enemyTextures();
    t.blankySheet = textures::load(paths::kBlankySheet);
    t.blankyShot = textures::load(paths::kEnemyShot);
    t.pikabooSheet = textures::load(paths::kPikabooSheet);
    t.peanutSheet = textures::load(paths::kPeanutSheet);
    t.peanutShot = textures::load(paths::kEnemyShot);
    t.butterSheet = textures::load(paths::kButterSheet);
    t.butterDrop = textures::load(paths::kButterDrop);
    t.handySheet = textures::load(paths::kHandySheet);
    t.scissorsShot = textures::load(paths::kScissorsShot);
    t.rockShot = textures::load(paths::kRockShot);
}

void freeEnemyTextures() {
    EnemyTextures& t = enemyTextures();
    for (SDL_Texture** handle :
         {&t.blankySheet, &t.blankyShot, &t.pikabooSheet, &t.peanutSheet, &t.peanutShot,
          &t.butterSheet, &t.butterDrop, &t.handySheet, &t.scissorsShot, &t.rockShot}) {
        textures::destroy(*handle);
    }
}
