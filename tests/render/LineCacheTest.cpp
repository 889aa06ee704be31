#include "render/LineCache.hpp"

#include <SDL.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "render/Fonts.hpp"

namespace {

constexpr SDL_Color kWhite{255, 255, 255, 255};
constexpr SDL_Color kGold{255, 200, 0, 255};

// Two renderers drawing in memory and the game's fonts, opened from the run folder.
class LineCache : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(VALDRO_RUN_DIR);
        ASSERT_EQ(TTF_Init(), 0);
        for (int k = 0; k < 2; ++k) {
            surfaces_[k] = SDL_CreateRGBSurfaceWithFormat(0, 64, 64, 32, SDL_PIXELFORMAT_ARGB8888);
            renderers_[k] = SDL_CreateSoftwareRenderer(surfaces_[k]);
        }
        fonts::openFonts(30);
        if (fonts::interfaceFont() == nullptr) {
            GTEST_SKIP() << "the run folder holds no font";
        }
    }
    void TearDown() override {
        fonts::closeFonts();
        for (int k = 0; k < 2; ++k) {
            SDL_DestroyRenderer(renderers_[k]);
            SDL_FreeSurface(surfaces_[k]);
        }
        TTF_Quit();
        std::filesystem::current_path(previous_);
    }

    SDL_Renderer* renderers_[2]{};

private:
    SDL_Surface* surfaces_[2]{};
    std::filesystem::path previous_;
};

}  // namespace

TEST_F(LineCache, ATextIsRenderedOnceAndKeptUntilTheFontsChange) {
    TTF_Font* font = fonts::interfaceFont();
    SDL_Texture* score = line_cache::texture(renderers_[0], font, "Score: 120", kWhite);
    ASSERT_NE(score, nullptr);
    EXPECT_EQ(line_cache::texture(renderers_[0], font, "Score: 120", kWhite), score);
    EXPECT_EQ(line_cache::size(), 1u);

    // Anything that changes the pixels is another text.
    EXPECT_NE(line_cache::texture(renderers_[0], font, "Score: 130", kWhite), score);
    EXPECT_NE(line_cache::texture(renderers_[0], font, "Score: 120", kGold), score);
    EXPECT_NE(line_cache::texture(renderers_[0], fonts::dialogueFont(), "Score: 120", kWhite),
              score);
    EXPECT_NE(line_cache::texture(renderers_[1], font, "Score: 120", kWhite), score);
    EXPECT_EQ(line_cache::size(), 5u);

    int w30 = 0;
    SDL_QueryTexture(score, nullptr, nullptr, &w30, nullptr);
    // A resize reopens the fonts at the new scale: the old textures go with them.
    fonts::openFonts(60);
    EXPECT_EQ(line_cache::size(), 0u);
    SDL_Texture* bigger =
        line_cache::texture(renderers_[0], fonts::interfaceFont(), "Score: 120", kWhite);
    int w60 = 0;
    SDL_QueryTexture(bigger, nullptr, nullptr, &w60, nullptr);
    EXPECT_GT(w60, w30);
}
