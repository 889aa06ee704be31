#include "render/TextureLoader.hpp"

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// A software renderer drawing in memory, in the run folder where the game's pictures are.
class DeferredLoads : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(VALDRO_RUN_DIR);
        if (!std::filesystem::exists("img/bg0.png")) {
            GTEST_SKIP() << "the run folder holds no pictures";
        }
        IMG_Init(IMG_INIT_PNG);
        target_ = SDL_CreateRGBSurfaceWithFormat(0, kSide, kSide, 32, SDL_PIXELFORMAT_ARGB8888);
        renderer_ = SDL_CreateSoftwareRenderer(target_);
    }
    void TearDown() override {
        textures::abandonDecoding();
        if (renderer_ != nullptr) {
            SDL_DestroyRenderer(renderer_);
        }
        SDL_FreeSurface(target_);
        std::filesystem::current_path(previous_);
    }

    // What texture looks like drawn over grey on the whole target, pixel by pixel.
    std::vector<Uint32> drawn(SDL_Texture* texture) {
        SDL_SetRenderDrawColor(renderer_, 128, 128, 128, 255);
        SDL_RenderClear(renderer_);
        SDL_RenderCopy(renderer_, texture, nullptr, nullptr);
        SDL_RenderPresent(renderer_);
        std::vector<Uint32> pixels(kSide * kSide);
        for (int y = 0; y < kSide; ++y) {
            std::memcpy(&pixels[static_cast<std::size_t>(y * kSide)],
                        static_cast<const Uint8*>(target_->pixels) + y * target_->pitch,
                        kSide * sizeof(Uint32));
        }
        return pixels;
    }

    static constexpr int kSide = 96;
    SDL_Renderer* renderer_ = nullptr;

private:
    SDL_Surface* target_ = nullptr;
    std::filesystem::path previous_;
};

// An opaque room background and a sheet with see-through parts.
const char* const kPictures[] = {"img/bg0.png", "img/heart.png", "img/prota_sheet.png"};

}  // namespace

TEST_F(DeferredLoads, ADeferredPictureEndsUpDrawnExactlyAsOneLoadedAtOnce) {
    std::vector<std::vector<Uint32>> expected;
    for (const char* path : kPictures) {
        SDL_Texture* now = textures::load(renderer_, path);
        ASSERT_NE(now, nullptr) << path;
        expected.push_back(drawn(now));
        textures::destroy(now);
    }

    textures::deferLoads({"img/heart.png"});
    std::vector<SDL_Texture*> deferred;
    for (const char* path : kPictures) {
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
        EXPECT_EQ(drawn(deferred[i]), expected[i]) << kPictures[i];
        textures::destroy(deferred[i]);
    }
}

TEST_F(DeferredLoads, PicturesDroppedBeforeTheirPixelsArriveAreForgotten) {
    textures::deferLoads({});
    SDL_Texture* missing = textures::load(renderer_, "img/no_such_picture.png");
    SDL_Texture* background = textures::load(renderer_, "img/bg1.png");
    SDL_Texture* sheet = textures::load(renderer_, "img/prota_sheet.png");
    textures::stopDeferring();
    EXPECT_EQ(missing, nullptr);
    ASSERT_NE(background, nullptr);
    EXPECT_EQ(textures::decodingPending(), 2);

    textures::destroy(background);
    EXPECT_EQ(background, nullptr);
    EXPECT_EQ(textures::decodingPending(), 1);
    textures::finishDecoding();
    EXPECT_EQ(textures::decodingPending(), 0);
    textures::destroy(sheet);

    // Shutting down mid-decode leaves nothing behind (the sanitizer build checks for leaks).
    textures::deferLoads({});
    SDL_Texture* late = textures::load(renderer_, "img/bg2.png");
    textures::abandonDecoding();
    EXPECT_EQ(textures::decodingPending(), 0);
    textures::destroy(late);
}
