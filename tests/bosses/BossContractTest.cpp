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
#include "bosses/Corazon.hpp"
#include "bosses/Lujuria.hpp"
#include "bosses/Onda.hpp"
#include "bosses/SheetLease.hpp"
#include "bosses/Valdro.hpp"
#include "render/Audio.hpp"
#include "render/Paths.hpp"
#include "render/TextureLoader.hpp"

namespace {

// A real renderer and the generated sheets of the run folder.
class BossDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(VALDRO_RUN_DIR);
        if (!std::filesystem::exists(paths::kGreedSheet)) {
            GTEST_SKIP() << "the run folder holds no generated images";
        }
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        window_ = SDL_CreateWindow("t", 0, 0, 64, 64, 0);
        renderer = SDL_CreateRenderer(window_, -1, 0);
        ASSERT_NE(renderer, nullptr);
        textures::setRenderer(renderer);
    }
    void TearDown() override {
        bosses::releaseBossTextures();
        if (renderer != nullptr) {
            textures::setRenderer(nullptr);
            SDL_DestroyRenderer(renderer);
            SDL_DestroyWindow(window_);
            SDL_Quit();
        }
        std::filesystem::current_path(previous_);
    }

    SDL_Renderer* renderer = nullptr;

private:
    std::filesystem::path previous_;
    SDL_Window* window_ = nullptr;
};

// The colour the last draw from this sheet used.
SDL_Color drawnColour(SDL_Texture* sheet) {
    SDL_Color c{0, 0, 0, 255};
    SDL_GetTextureColorMod(sheet, &c.r, &c.g, &c.b);
    return c;
}

bool red(SDL_Color c) {
    return c.r == 255 && c.g == 125 && c.b == 125;
}

bool white(SDL_Color c) {
    return c.r == 255 && c.g == 255 && c.b == 255;
}

// Lust's hearts share her sheet, Valdro's waves and skulls his first one; they are drawn before
// the boss. A hit boss flashes red for ten drawn frames all the same, and what it threw never
// does.
TEST_F(BossDrawing, AHitBossFlashesRedWhileItsProjectilesFly) {
    for (int kind : {Jefe::kLust, Jefe::kValdro}) {
        SCOPED_TRACE(kind);
        bosstest::Room room(16.0, 16.0);
        auto boss = bosses::enterArena(kind);
        room.bossFrame(*boss);
        room.scene.enemies.clear();  // no lamp: Lust is open to shots
        boss->startFight();
        room.bossFrame(*boss);
        std::shared_ptr<Enemigo> projectile;
        if (kind == Jefe::kLust) {
            projectile =
                std::make_shared<Corazon>(2.0, 5.0, 1, true, room.scene.prota->drawnRect());
        } else {
            projectile = std::make_shared<Onda>(1, false, 1, WorldRect{0.0, 0.0, 16.0, 9.0});
        }
        room.scene.addEnemy(projectile);
        ASSERT_EQ(projectile->sheet, boss->sheet);
        const SDL_Rect band{0, 0, 64, 64};
        ASSERT_TRUE(boss->hitByShot(bosstest::shotInto(boss->hitbox, 1)));
        for (int frame = 1; frame <= 12; ++frame) {
            SCOPED_TRACE(frame);
            projectile->drawClipped(renderer, band);
            EXPECT_TRUE(white(drawnColour(projectile->sheet)));
            boss->drawClipped(renderer, band);
            EXPECT_EQ(red(drawnColour(boss->sheet)), frame <= 10);
        }
    }
}

}  // namespace
