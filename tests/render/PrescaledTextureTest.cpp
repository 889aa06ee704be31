#include "render/PrescaledTexture.hpp"

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

constexpr int kWindowW = 320;
constexpr int kWindowH = 180;
// Blending rounds differently from one blitter to another.
constexpr int kRounding = 2;

Uint32 pixelAt(const SDL_Surface* s, int x, int y) {
    return static_cast<const Uint32*>(s->pixels)[y * s->pitch / 4 + x];
}

// Pixels of a and b that differ by more than tolerance in some colour channel (or in red alone).
int differing(const SDL_Surface* a, const SDL_Surface* b, int tolerance, bool redOnly = false) {
    int count = 0;
    for (int y = 0; y < kWindowH; ++y) {
        for (int x = 0; x < kWindowW; ++x) {
            const Uint32 p = pixelAt(a, x, y);
            const Uint32 q = pixelAt(b, x, y);
            for (int shift = 16; shift >= (redOnly ? 16 : 0); shift -= 8) {
                if (std::abs(static_cast<int>((p >> shift) & 0xFF) -
                             static_cast<int>((q >> shift) & 0xFF)) > tolerance) {
                    ++count;
                    break;
                }
            }
        }
    }
    return count;
}

// A small software "window" and one of the game's pictures as a texture on it.
class PrescaledTexture_ : public ::testing::Test {
protected:
    void TearDown() override {
        SDL_FreeSurface(shot_);
        if (picture_ != nullptr) {
            SDL_DestroyTexture(picture_);
        }
        if (renderer_ != nullptr) {
            SDL_DestroyRenderer(renderer_);
        }
        SDL_FreeSurface(window_);
    }

    // False when the run folder holds no pictures (the test is then skipped).
    bool open(const std::string& name) {
        const auto path = std::filesystem::path(VALDRO_RUN_DIR) / "img" / name;
        if (!std::filesystem::exists(path)) {
            return false;
        }
        window_ =
            SDL_CreateRGBSurfaceWithFormat(0, kWindowW, kWindowH, 32, SDL_PIXELFORMAT_ARGB8888);
        renderer_ = SDL_CreateSoftwareRenderer(window_);
        SDL_Surface* loaded = IMG_Load(path.c_str());
        picture_ = SDL_CreateTextureFromSurface(renderer_, loaded);
        SDL_FreeSurface(loaded);
        return picture_ != nullptr;
    }

    // What the window shows after draw() over a green scene; kept until the next call.
    template <typename Draw>
    SDL_Surface* after(Draw draw) {
        SDL_SetRenderDrawColor(renderer_, 40, 160, 90, 255);
        SDL_RenderClear(renderer_);
        draw();
        SDL_FreeSurface(shot_);
        shot_ = SDL_DuplicateSurface(window_);
        return shot_;
    }

    SDL_Surface* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* picture_ = nullptr;
    const SDL_Rect whole_{0, 0, kWindowW, kWindowH};

private:
    SDL_Surface* shot_ = nullptr;
};

}  // namespace

TEST_F(PrescaledTexture_, APortraitDrawnFromItsWindowSizedCopyLooksAsDrawnFromTheOriginal) {
    if (!open("bolsillos_body.png")) {
        GTEST_SKIP() << "the run folder holds no pictures";
    }
    SDL_Surface* expected =
        SDL_DuplicateSurface(after([&] { SDL_RenderCopy(renderer_, picture_, nullptr, &whole_); }));
    PrescaledTexture copy;
    SDL_Texture* shown = copy.at(renderer_, picture_, kWindowW, kWindowH);
    ASSERT_NE(shown, picture_);
    int w = 0;
    int h = 0;
    SDL_QueryTexture(shown, nullptr, nullptr, &w, &h);
    EXPECT_EQ(w, kWindowW);
    EXPECT_EQ(h, kWindowH);
    const SDL_Surface* got = after([&] { SDL_RenderCopy(renderer_, shown, nullptr, &whole_); });

    // Nearest-pixel scaling may pick a neighbouring source pixel; no more than a few differ.
    EXPECT_LT(differing(expected, got, kRounding), kWindowW * kWindowH / 50);
    // The top-left corner is see-through in the portrait: the scene's green shows there.
    EXPECT_EQ(pixelAt(got, 2, 2), SDL_MapRGB(window_->format, 40, 160, 90));
    SDL_FreeSurface(expected);

    // Kept from frame to frame; made again only when the window's size changes.
    EXPECT_EQ(copy.at(renderer_, picture_, kWindowW, kWindowH), shown);
    SDL_Texture* smaller = copy.at(renderer_, picture_, kWindowW / 2, kWindowH / 2);
    SDL_QueryTexture(smaller, nullptr, nullptr, &w, &h);
    EXPECT_EQ(w, kWindowW / 2);
    // A picture already at the drawn size is drawn as it is.
    EXPECT_EQ(copy.at(renderer_, picture_, 1600, 900), picture_);
    copy.clear();
}
