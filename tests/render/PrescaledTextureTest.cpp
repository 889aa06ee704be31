#include "render/PrescaledTexture.hpp"

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

constexpr int kWindowW = 320;
constexpr int kWindowH = 180;
// Blending rounds differently from one blitter to another.
constexpr int kRounding = 2;

Uint32 pixelAt(const SDL_Surface* s, int x, int y) {
    return static_cast<const Uint32*>(s->pixels)[y * s->pitch / 4 + x];
}

}  // namespace

TEST(PrescaledTexture, APortraitDrawnFromItsWindowSizedCopyLooksAsDrawnFromTheOriginal) {
    const std::filesystem::path portrait =
        std::filesystem::path(VALDRO_RUN_DIR) / "img/bolsillos_body.png";
    if (!std::filesystem::exists(portrait)) {
        GTEST_SKIP() << "the run folder holds no pictures";
    }
    SDL_Surface* window =
        SDL_CreateRGBSurfaceWithFormat(0, kWindowW, kWindowH, 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(window);
    SDL_Surface* picture = IMG_Load(portrait.c_str());
    ASSERT_NE(picture, nullptr);
    SDL_Texture* original = SDL_CreateTextureFromSurface(renderer, picture);
    SDL_FreeSurface(picture);

    // Drawn over a coloured scene both ways; the portrait's see-through top must show the scene.
    auto draw = [&](SDL_Texture* t) {
        SDL_SetRenderDrawColor(renderer, 40, 160, 90, 255);
        SDL_RenderClear(renderer);
        const SDL_Rect whole{0, 0, kWindowW, kWindowH};
        SDL_RenderCopy(renderer, t, nullptr, &whole);
        SDL_Surface* shot = SDL_DuplicateSurface(window);
        return shot;
    };
    SDL_Surface* expected = draw(original);
    PrescaledTexture copy;
    SDL_Texture* shown = copy.at(renderer, original, kWindowW, kWindowH);
    ASSERT_NE(shown, original);
    int w = 0;
    int h = 0;
    SDL_QueryTexture(shown, nullptr, nullptr, &w, &h);
    EXPECT_EQ(w, kWindowW);
    EXPECT_EQ(h, kWindowH);
    SDL_Surface* got = draw(shown);

    // Nearest-pixel scaling may pick a neighbouring source pixel, and blending may round a
    // channel the other way; no more than a few pixels differ by more than that.
    int differing = 0;
    for (int y = 0; y < kWindowH; ++y) {
        for (int x = 0; x < kWindowW; ++x) {
            const Uint32 a = pixelAt(expected, x, y);
            const Uint32 b = pixelAt(got, x, y);
            for (int shift = 0; shift < 24; shift += 8) {
                if (std::abs(static_cast<int>((a >> shift) & 0xFF) -
                             static_cast<int>((b >> shift) & 0xFF)) > kRounding) {
                    ++differing;
                    break;
                }
            }
        }
    }
    EXPECT_LT(differing, kWindowW * kWindowH / 50);
    // The top-left corner is see-through in the portrait: the scene's green shows there.
    EXPECT_EQ(pixelAt(got, 2, 2), pixelAt(expected, 2, 2));
    EXPECT_EQ(pixelAt(got, 2, 2), SDL_MapRGB(window->format, 40, 160, 90));

    // Kept from frame to frame; made again only when the window's size changes.
    EXPECT_EQ(copy.at(renderer, original, kWindowW, kWindowH), shown);
    SDL_Texture* smaller = copy.at(renderer, original, kWindowW / 2, kWindowH / 2);
    SDL_QueryTexture(smaller, nullptr, nullptr, &w, &h);
    EXPECT_EQ(w, kWindowW / 2);
    // A picture already at the drawn size is drawn as it is.
    EXPECT_EQ(copy.at(renderer, original, 1600, 900), original);

    copy.clear();
    SDL_FreeSurface(expected);
    SDL_FreeSurface(got);
    SDL_DestroyTexture(original);
    SDL_DestroyRenderer(renderer);
    SDL_FreeSurface(window);
}

TEST(PrescaledTexture, APartOfAWideRoomDrawnFromTheCopyShowsTheSamePlace) {
    const std::filesystem::path room = std::filesystem::path(VALDRO_RUN_DIR) / "img/bg0.png";
    if (!std::filesystem::exists(room)) {
        GTEST_SKIP() << "the run folder holds no pictures";
    }
    SDL_Surface* window =
        SDL_CreateRGBSurfaceWithFormat(0, kWindowW, kWindowH, 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(window);
    SDL_Surface* picture = IMG_Load(room.c_str());
    ASSERT_NE(picture, nullptr);
    SDL_Texture* original = SDL_CreateTextureFromSurface(renderer, picture);
    SDL_FreeSurface(picture);

    // The band shows 1600 × 900 pixels of the room, scrolled, in 320 × 180.
    const SDL_Rect part{2400, 0, 1600, 900};
    const SDL_Rect band{0, 0, kWindowW, kWindowH};
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    SDL_RenderCopy(renderer, original, &part, &band);
    SDL_Surface* expected = SDL_DuplicateSurface(window);
    SDL_RenderClear(renderer);
    PrescaledTexture copy;
    copy.draw(renderer, original, &part, band);
    EXPECT_EQ(copy.source(), original);

    // Compared a few pixels in from each side so that neighbouring picks do not count.
    int differing = 0;
    for (int y = 0; y < kWindowH; ++y) {
        for (int x = 0; x < kWindowW; ++x) {
            const Uint32 a = pixelAt(expected, x, y);
            const Uint32 b = pixelAt(window, x, y);
            const int dr =
                std::abs(static_cast<int>((a >> 16) & 0xFF) - static_cast<int>((b >> 16) & 0xFF));
            differing += dr > 48;
        }
    }
    EXPECT_LT(differing, kWindowW * kWindowH / 20);
    SDL_FreeSurface(expected);
    copy.clear();
    SDL_DestroyTexture(original);
    SDL_DestroyRenderer(renderer);
    SDL_FreeSurface(window);
}

TEST(PrescaledTexture, APortraitsOpaquePanelIsFoundAndTheWholeStillDrawsTheSame) {
    const std::filesystem::path portrait =
        std::filesystem::path(VALDRO_RUN_DIR) / "img/prota_body.png";
    if (!std::filesystem::exists(portrait)) {
        GTEST_SKIP() << "the run folder holds no pictures";
    }
    SDL_Surface* window =
        SDL_CreateRGBSurfaceWithFormat(0, kWindowW, kWindowH, 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(window);
    SDL_Surface* picture = IMG_Load(portrait.c_str());
    ASSERT_NE(picture, nullptr);
    SDL_Texture* original = SDL_CreateTextureFromSurface(renderer, picture);
    SDL_FreeSurface(picture);
    const SDL_Rect whole{0, 0, kWindowW, kWindowH};

    PrescaledTexture plain;
    PrescaledTexture cored(true);
    auto drawn = [&](PrescaledTexture& p) {
        SDL_SetRenderDrawColor(renderer, 40, 160, 90, 255);
        SDL_RenderClear(renderer);
        p.drawWhole(renderer, original, whole);
        return SDL_DuplicateSurface(window);
    };
    SDL_Surface* expected = drawn(plain);
    SDL_Surface* got = drawn(cored);
    EXPECT_EQ(plain.coreWidth(), 0);
    // The panel fills most of the lower half of the picture.
    EXPECT_GT(cored.coreWidth(), kWindowW * 8 / 10);
    EXPECT_GT(cored.coreHeight(), kWindowH * 4 / 10);
    EXPECT_GT(cored.coreY(), kWindowH * 4 / 10);
    for (int y = 0; y < kWindowH; ++y) {
        for (int x = 0; x < kWindowW; ++x) {
            ASSERT_EQ(pixelAt(got, x, y), pixelAt(expected, x, y)) << x << "," << y;
        }
    }
    SDL_FreeSurface(expected);
    SDL_FreeSurface(got);
    plain.clear();
    cored.clear();
    SDL_DestroyTexture(original);
    SDL_DestroyRenderer(renderer);
    SDL_FreeSurface(window);
}
