// Pictures of each boss fight at its busiest, drawn by the game's own renderer code with the
// generated art, for people to look at: build/pictures/<arena>.png. The test also checks that
// the picture shows the fight: the boss, something it threw and the HUD line.
#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "bosses/ArenaFight.hpp"
#include "bosses/BossArena.hpp"
#include "npc/Items.hpp"
#include "npc/NPC.hpp"
#include "render/CoreTextures.hpp"
#include "render/EnemyTextures.hpp"
#include "render/Fonts.hpp"
#include "render/TextureLoader.hpp"
#include "scene/SceneImages.hpp"

namespace {

// A 1280 × 720 picture drawn in memory with every game image loaded, in the run folder.
class Canvas {
public:
    Canvas() : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(VALDRO_RUN_DIR);
        SDL_InitSubSystem(SDL_INIT_VIDEO);
        TTF_Init();
        surface_ = SDL_CreateRGBSurfaceWithFormat(0, 1280, 720, 32, SDL_PIXELFORMAT_ARGB8888);
        renderer = SDL_CreateSoftwareRenderer(surface_);
        textures::setRenderer(renderer);
        loadCoreTextures();
        loadSceneImages();
        loadEnemyTextures();
        items::loadItemAssets(renderer);
        npcs::loadNpcAssets(renderer);
        fonts::openFonts(60);
    }
    ~Canvas() {
        bosses::releaseBossTextures();
        fonts::closeFonts();
        npcs::freeNpcAssets();
        items::freeItemAssets();
        freeEnemyTextures();
        freeSceneImages();
        freeCoreTextures();
        textures::setRenderer(nullptr);
        SDL_DestroyRenderer(renderer);
        SDL_FreeSurface(surface_);
        TTF_Quit();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        std::filesystem::current_path(previous_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // How many pixels of the rectangle differ from the black the window is cleared to.
    int litPixels(const SDL_Rect& r) const {
        int lit = 0;
        const auto* px = static_cast<const Uint32*>(surface_->pixels);
        for (int y = std::max(r.y, 0); y < std::min(r.y + r.h, surface_->h); ++y) {
            for (int x = std::max(r.x, 0); x < std::min(r.x + r.w, surface_->w); ++x) {
                lit += (px[y * (surface_->pitch / 4) + x] & 0xFFFFFF) != 0 ? 1 : 0;
            }
        }
        return lit;
    }
    bool save(const std::string& name) const {
        const std::filesystem::path dir = std::filesystem::path(VALDRO_RUN_DIR) / ".." / "pictures";
        std::filesystem::create_directories(dir);
        return IMG_SavePNG(surface_, (dir / (name + ".png")).c_str()) == 0;
    }

    SDL_Renderer* renderer = nullptr;

private:
    std::filesystem::path previous_;
    SDL_Surface* surface_ = nullptr;
};

TEST(ArenaPictures, EachFightAtItsBusiestShowsTheBossWhatItThrowsAndTheHud) {
    for (const char* slot : {"greed", "lust", "valdro"}) {
        SCOPED_TRACE(slot);
        Canvas canvas;
        ArenaFight fight(slot, 30);
        fight.stage.prota().maxHp = fight.stage.prota().hp = 50;  // stay alive to look around
        fight.talkThrough();
        // The busiest moment of the first forty seconds: most things in flight.
        std::size_t busiest = 0;
        for (int f = 0; f < 4000 && fight.boss().hp > 0; ++f) {
            fight.frame();
            const std::size_t busy =
                fight.stage.scene->enemyShots.size() + fight.stage.scene->enemies.size();
            if (busy > busiest && f > 200) {
                busiest = busy;
                SDL_SetRenderDrawColor(canvas.renderer, 0, 0, 0, 255);
                SDL_RenderClear(canvas.renderer);
                fight.stage.scene->render(canvas.renderer);
                fight.stage.scene->drawHighScore(canvas.renderer, 0);
                fight.stage.scene->drawScore(canvas.renderer);
                fight.stage.scene->drawTime(canvas.renderer, f / 100);
                ASSERT_TRUE(canvas.save(slot));
            }
        }
        EXPECT_GT(busiest, 0u) << "the boss threw or summoned something";
        const SDL_Rect band = *fight.stage.scene->dstRect;
        EXPECT_GT(canvas.litPixels(SDL_Rect{band.x, band.y - 40, band.w, 40}), 500)
            << "the HUD line above the band";
        EXPECT_GT(canvas.litPixels(band), band.w * band.h / 2) << "the arena is drawn";
    }
}

}  // namespace
