#include "render/TextureLoader.hpp"

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "render/Paths.hpp"
#include "render/PictureStore.hpp"

namespace {

// A software renderer drawing in memory, in the run folder where the game's pictures are.
class Pictures : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(VALDRO_RUN_DIR);
        if (!std::filesystem::exists("img/bg0.png")) {
            GTEST_SKIP() << "the run folder holds no pictures";
        }
        IMG_Init(IMG_INIT_PNG);
        target_ = SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, 32, SDL_PIXELFORMAT_ARGB8888);
        renderer_ = SDL_CreateSoftwareRenderer(target_);
        textures::setRenderer(renderer_);
    }
    void TearDown() override {
        textures::abandonDecoding();
        textures::setRenderer(nullptr);
        if (renderer_ != nullptr) {
            SDL_DestroyRenderer(renderer_);
        }
        SDL_FreeSurface(target_);
        std::filesystem::current_path(previous_);
    }

    // What the target shows after draw() over grey, pixel by pixel.
    template <typename Draw>
    std::vector<Uint32> drawn(Draw draw) {
        SDL_SetRenderDrawColor(renderer_, 128, 128, 128, 255);
        SDL_RenderClear(renderer_);
        draw();
        SDL_RenderPresent(renderer_);
        std::vector<Uint32> pixels(static_cast<std::size_t>(kWidth) * kHeight);
        for (int y = 0; y < kHeight; ++y) {
            std::memcpy(&pixels[static_cast<std::size_t>(y) * kWidth],
                        static_cast<const Uint8*>(target_->pixels) + y * target_->pitch,
                        kWidth * sizeof(Uint32));
        }
        return pixels;
    }
    // texture drawn over the whole target.
    std::vector<Uint32> drawn(SDL_Texture* texture) {
        return drawn([&] { textures::copy(renderer_, texture, nullptr, nullptr); });
    }
    // The picture as SDL makes it from the file, drawn over the whole target.
    std::vector<Uint32> drawnFromFile(const char* path) {
        SDL_Surface* surface = IMG_Load(path);
        SDL_Texture* plain = SDL_CreateTextureFromSurface(renderer_, surface);
        SDL_FreeSurface(surface);
        std::vector<Uint32> pixels =
            drawn([&] { SDL_RenderCopy(renderer_, plain, nullptr, nullptr); });
        SDL_DestroyTexture(plain);
        return pixels;
    }

    // As big as the band is drawn when a room is shown at its own size.
    static constexpr int kWidth = 1600;
    static constexpr int kHeight = 900;
    SDL_Renderer* renderer_ = nullptr;

private:
    SDL_Surface* target_ = nullptr;
    std::filesystem::path previous_;
};

// Small pictures, with and without see-through parts, loaded as plain textures.
const char* const kSmall[] = {"img/coin.png", "img/heart.png", "img/disparoProta.png"};

}  // namespace

TEST_F(Pictures, ADeferredPictureEndsUpDrawnExactlyAsOneLoadedAtOnce) {
    std::vector<std::vector<Uint32>> expected;
    for (const char* path : kSmall) {
        expected.push_back(drawnFromFile(path));
    }
    textures::deferLoads({"img/heart.png"});
    std::vector<SDL_Texture*> deferred;
    for (const char* path : kSmall) {
        deferred.push_back(textures::load(renderer_, path));
        ASSERT_NE(deferred.back(), nullptr) << path;
    }
    textures::stopDeferring();
    // The heart was asked for at once; the other two wait for the workers.
    EXPECT_EQ(textures::decodingPending(), 2);
    EXPECT_EQ(drawn(deferred[1]), expected[1]);

    textures::fillDecoded(1);
    EXPECT_LE(textures::decodingPending(), 2);
    textures::finishDecoding();
    EXPECT_EQ(textures::decodingPending(), 0);
    for (std::size_t i = 0; i < deferred.size(); ++i) {
        EXPECT_EQ(drawn(deferred[i]), expected[i]) << kSmall[i];
        textures::destroy(deferred[i]);
    }

    // Dropped before its pixels arrive, or still decoding at shutdown: nothing is left behind
    // (the sanitizer build checks for leaks).
    textures::deferLoads({});
    EXPECT_EQ(textures::load(renderer_, "img/no_such_picture.png"), nullptr);
    SDL_Texture* coin = textures::load(renderer_, kSmall[0]);
    SDL_Texture* heart = textures::load(renderer_, kSmall[1]);
    textures::stopDeferring();
    EXPECT_EQ(textures::decodingPending(), 2);
    textures::destroy(coin);
    EXPECT_EQ(coin, nullptr);
    EXPECT_EQ(textures::decodingPending(), 1);
    textures::abandonDecoding();
    EXPECT_EQ(textures::decodingPending(), 0);
    textures::destroy(heart);
}

TEST_F(Pictures, EveryRoomAndBigSheetDrawsTheSameCutIntoTilesOfAGpuWithA2048Limit) {
    PictureStore& store = textures::store();
    std::vector<const char*> rooms(paths::kBackgroundImages.begin(),
                                   paths::kBackgroundImages.end());
    const std::vector<const char*> sheets = {paths::kValdro1Sheet, paths::kValdro2Sheet,
                                             paths::kValdro3Sheet, paths::kLustSheet,
                                             paths::kBellboySheet, paths::kGreedSheet};
    // Every picture drawn the ways the game draws it: a room as the band at its own size,
    // scrolled across the places where tiles meet; a sheet frame by frame, scaled, mirrored and
    // turned as the bosses and characters are.
    auto drawAll = [&](int limit) {
        textures::setRenderer(nullptr);
        textures::setRenderer(renderer_, limit);
        std::vector<std::vector<Uint32>> frames;
        for (const char* path : rooms) {
            SDL_Texture* room = textures::load(path);
            int w = 0;
            int h = 0;
            textures::size(room, w, h);
            for (int x : {0, 1000, 2000, 3000, 4100, w - kWidth}) {
                const SDL_Rect part{std::clamp(x, 0, w - kWidth), 0, kWidth, kHeight};
                frames.push_back(drawn([&] { textures::copy(renderer_, room, &part, nullptr); }));
            }
            if (limit > 0 && w > limit) {
                EXPECT_GT(store.tiles(room), 1) << path;
            }
            textures::destroy(room);
        }
        for (const char* path : sheets) {
            SDL_Texture* sheet = textures::load(path);
            int w = 0;
            int h = 0;
            textures::size(sheet, w, h);
            const bool valdro = std::string(path).find("valdro") != std::string::npos;
            const int cellW = valdro ? 896 : path == paths::kGreedSheet ? 576 : 384;
            const int cellH = valdro ? 640 : 576;
            frames.push_back(drawn([&] {
                for (int y = 0; y + cellH <= h; y += cellH) {
                    for (int x = 0; x + cellW <= w; x += cellW) {
                        const SDL_Rect cell{x, y, cellW, cellH};
                        const SDL_Rect to{x * 2 / 5, y * 2 / 5, cellW * 3 / 7, cellH * 3 / 7};
                        textures::copyEx(
                            renderer_, sheet, &cell, &to, (x + y) % 30, nullptr,
                            (x / cellW) % 2 == 0 ? SDL_FLIP_HORIZONTAL : SDL_FLIP_NONE);
                    }
                }
            }));
            textures::destroy(sheet);
        }
        return frames;
    };
    const std::vector<std::vector<Uint32>> whole = drawAll(0);
    EXPECT_GT(store.figures().largestSide, 2048);
    textures::setRenderer(nullptr);
    textures::setRenderer(renderer_, 2048);
    const std::vector<std::vector<Uint32>> tiled = drawAll(2048);
    EXPECT_LE(store.figures().largestSide, 2048);
    ASSERT_EQ(tiled.size(), whole.size());
    for (std::size_t i = 0; i < whole.size(); ++i) {
        EXPECT_TRUE(tiled[i] == whole[i]) << "drawing " << i << " differs";
    }
}
