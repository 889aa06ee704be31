// What every boss owes the scene: the fight starts once, the death is reported once, the sheets
// come and go with the arena.
#include <gtest/gtest.h>

#include <SDL.h>

#include <filesystem>

#include "bosses/Apagon.hpp"
#include "bosses/BossArena.hpp"
#include "bosses/BossTestSupport.hpp"
#include "bosses/BossTextures.hpp"
#include "bosses/Codicia.hpp"
#include "bosses/Lujuria.hpp"
#include "bosses/SheetLease.hpp"
#include "bosses/Valdro.hpp"
#include "render/Audio.hpp"
#include "render/Paths.hpp"
#include "render/TextureLoader.hpp"

namespace {

const char* kFightMusic[3] = {paths::kBoss1Music, paths::kBoss2Music, paths::kBoss3Music};

TEST(BossContract, TheFightStartsOnlyFromTheWaitingPhase) {
    for (int kind : {0, 1, 2}) {
        SCOPED_TRACE(kind);
        auto boss = bosses::enterArena(kind);
        ASSERT_NE(boss, nullptr);
        EXPECT_EQ(boss->phase, 0);
        EXPECT_STRNE(bosses::talkMusic(kind), kFightMusic[kind]);
        boss->startFight();
        EXPECT_EQ(boss->phase, 1);
        EXPECT_EQ(audio::state().currentMusicPath, kFightMusic[kind]);
        // A second character ending its lines mid-fight must not restart anything.
        boss->phase = 2;
        audio::playMusic(paths::kQuietMusic);
        boss->startFight();
        EXPECT_EQ(boss->phase, 2);
        EXPECT_EQ(audio::state().currentMusicPath, paths::kQuietMusic);
    }
    EXPECT_EQ(bosses::enterArena(7), nullptr);
    bosses::releaseBossTextures();
}

TEST(BossContract, TheDeathIsReportedOnce) {
    for (int kind : {0, 1, 2}) {
        SCOPED_TRACE(kind);
        auto boss = bosses::enterArena(kind);
        EXPECT_FALSE(boss->isDead());
        boss->hp = 0;
        EXPECT_TRUE(boss->isDead());
        EXPECT_FALSE(boss->isDead());
        EXPECT_FALSE(boss->isDead());
    }
    bosses::releaseBossTextures();
}

// With a real renderer and the generated sheets.
TEST(BossContract, SheetsComeWithTheArenaAndNothingDrawsThemOnceFreed) {
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(VALDRO_RUN_DIR);
    if (!std::filesystem::exists(paths::kGreedSheet)) {
        std::filesystem::current_path(previous);
        GTEST_SKIP() << "the run folder holds no generated images";
    }
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    SDL_Window* window = SDL_CreateWindow("t", 0, 0, 64, 64, 0);
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, 0);
    ASSERT_NE(renderer, nullptr);
    textures::setRenderer(renderer);
    {
        bosstest::Room room(16.0, 16.0);
        auto greed = bosses::enterArena(Jefe::kGreed);
        EXPECT_NE(greed->sheet, nullptr);
        EXPECT_EQ(bossTextures().lustSheet, nullptr);

        // Entering Lust's arena frees Greed's sheet: Greed, still held here, stops drawing it.
        auto lust = std::dynamic_pointer_cast<Lujuria>(bosses::enterArena(Jefe::kLust));
        EXPECT_EQ(greed->sheet, nullptr);
        EXPECT_EQ(bossTextures().greedSheet, nullptr);
        ASSERT_NE(bossTextures().spotlight, nullptr);
        Uint8 alpha = 255;
        SDL_GetTextureAlphaMod(bossTextures().spotlight, &alpha);
        EXPECT_EQ(alpha, 0) << "the blackout starts invisible";
        room.bossFrame(*lust);
        ASSERT_EQ(room.scene.enemies.size(), 2u);
        for (const auto& e : room.scene.enemies) {
            EXPECT_NE(e->sheet, nullptr);
        }
        greed->drawClipped(renderer, SDL_Rect{0, 0, 64, 64});

        // Leaving: the lamp and the cone still in a list and Lust still held draw nothing.
        bosses::releaseBossTextures();
        EXPECT_EQ(lust->sheet, nullptr);
        EXPECT_EQ(lust->blackout->sheet, nullptr);
        for (const auto& e : room.scene.enemies) {
            EXPECT_EQ(e->sheet, nullptr);
            e->drawClipped(renderer, SDL_Rect{0, 0, 64, 64});
        }
        lust->renderOverlay(renderer, SDL_Rect{0, 0, 64, 64});

        auto valdro = bosses::enterArena(Jefe::kValdro);
        EXPECT_NE(bossTextures().valdro3Sheet, nullptr);
        bosses::releaseBossTextures();
        bosses::releaseBossTextures();  // twice is harmless
    }
    EXPECT_EQ(SheetLease::holders(), 0);
    textures::setRenderer(nullptr);
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    SDL_Quit();
    std::filesystem::current_path(previous);
}

}  // namespace
