#include "bosses/BossTextures.hpp"

#include <SDL_render.h>

#include <array>
#include <utility>

#include "bosses/Jefe.hpp"
#include "bosses/SheetLease.hpp"
#include "render/Paths.hpp"
#include "render/TextureLoader.hpp"

namespace {
std::array<SDL_Texture**, 8> allHandles(BossTextures& t) {
    return {&t.greedSheet, &t.lustSheet,    &t.lampySheet,   &t.lampyLight,
            &t.spotlight,  &t.valdro1Sheet, &t.valdro2Sheet, &t.valdro3Sheet};
}
}  // namespace

BossTextures& bossTextures() {
    static BossTextures instance;
    return instance;
}

void loadBossTextures(int kind) {
    // Entering an arena twice, or another arena, must not leak the set already loaded.
    freeBossTextures();
    BossTextures& t = bossTextures();
    switch (kind) {
        case Jefe::kGreed:
            t.greedSheet = textures::load(paths::kGreedSheet);
            break;
        case Jefe::kLust:
            t.lustSheet = textures::load(paths::kLustSheet);
            t.lampySheet = textures::load(paths::kLampySheet);
            t.lampyLight = textures::load(paths::kLampyLight);
            t.spotlight = textures::load(paths::kSpotlight);
            if (t.spotlight != nullptr) {
                // The blackout starts invisible and fades in.
                SDL_SetTextureAlphaMod(t.spotlight, 0);
            }
            break;
        case Jefe::kValdro:
            t.valdro1Sheet = textures::load(paths::kValdro1Sheet);
            t.valdro2Sheet = textures::load(paths::kValdro2Sheet);
            t.valdro3Sheet = textures::load(paths::kValdro3Sheet);
            break;
        default:
            break;
    }
}

void freeBossTextures() {
    SheetLease::revokeAll();
    for (SDL_Texture** handle : allHandles(bossTextures())) {
        textures::destroy(*handle);
    }
}
