#include "render/EnemyTextures.hpp"

#include <array>
#include <utility>

#include "render/Paths.hpp"
#include "render/TextureLoader.hpp"

namespace {
// Every handle with the image it is loaded from; the enemy-shot image is loaded twice, once for
// Blanky and once for Peanut.
std::array<std::pair<SDL_Texture**, const char*>, 10> handles(EnemyTextures& t) {
    return {{{&t.blankySheet, paths::kBlankySheet},
             {&t.blankyShot, paths::kEnemyShot},
             {&t.pikabooSheet, paths::kPikabooSheet},
             {&t.peanutSheet, paths::kPeanutSheet},
             {&t.peanutShot, paths::kEnemyShot},
             {&t.butterSheet, paths::kButterSheet},
             {&t.butterDrop, paths::kButterDrop},
             {&t.handySheet, paths::kHandySheet},
             {&t.scissorsShot, paths::kScissorsShot},
             {&t.rockShot, paths::kRockShot}}};
}
}  // namespace

EnemyTextures& enemyTextures() {
    static EnemyTextures instance;
    return instance;
}

void loadEnemyTextures() {
    // Loading twice must not leak the first set.
    freeEnemyTextures();
    for (auto [handle, path] : handles(enemyTextures())) {
        *handle = textures::load(path);
    }
}

void freeEnemyTextures() {
    for (auto [handle, path] : handles(enemyTextures())) {
        textures::destroy(*handle);
    }
}
