#include "render/BandMargins.hpp"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

#include "render/PrescaledTexture.hpp"

namespace {

constexpr int kWindowW = 400;
constexpr int kWindowH = 20;
constexpr int kPictureW = 200;
constexpr int kPictureH = 10;
// The band shows 50 picture columns at twice their size.
constexpr int kScale = 2;
constexpr SDL_Rect kBand{150, 0, 100, 20};

// A room whose every column has a red of its own (its column number), so a margin pixel tells
// which column of the room it shows.
struct Canvas {
    SDL_Surface* window =
        SDL_CreateRGBSurfaceWithFormat(0, kWindowW, kWindowH, 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(window);
    SDL_Texture* room = nullptr;

    Canvas() {
        room = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC,
                                 kPictureW, kPictureH);
        std::vector<Uint32> pixels(kPictureW * kPictureH);
        for (int y = 0; y < kPictureH; ++y) {
            for (int x = 0; x < kPictureW; ++x) {
                pixels[y * kPictureW + x] = 0xFF000000u | (static_cast<Uint32>(x) << 16) | 0xC800;
            }
        }
        SDL_UpdateTexture(room, nullptr, pixels.data(), kPictureW * 4);
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
        SDL_RenderClear(renderer);
    }
    ~Canvas() {
        SDL_DestroyTexture(room);
        SDL_DestroyRenderer(renderer);
        SDL_FreeSurface(window);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    Uint32 at(int x, int y) const {
        return static_cast<const Uint32*>(window->pixels)[y * window->pitch / 4 + x];
    }
};

struct Case {
    const char* name;
    int partX;             // the first room column the band shows
    bool bandCopied;       // the band was drawn from its prescaled copy first
    int (*column)(int x);  // the room column window column x should show, -1 for the band
};

int inTheMiddle(int x) {
    // The room starts 100 window pixels left of the band, at x = 50: left of that, its right end.
    if (x >= kBand.x && x < kBand.x + kBand.w) {
        return -1;
    }
    const int d = x - 50;
    return d >= 0 ? d / kScale : kPictureW + d / kScale - (d % kScale != 0 ? 1 : 0);
}

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

int atTheRightEnd(int x) {
    // The band ends where the room does (x = 250): right of it, the room from its left end.
    if (x >= kBand.x && x < kBand.x + kBand.w) {
        return -1;
    }
    if (x < kBand.x) {
        return (x + 150) / kScale;
    }
    return (x - 250) / kScale;
}

class BandMargins : public ::testing::TestWithParam<Case> {};

TEST_P(BandMargins, ShowTheRoomGoingOnDarkenedAndRoundPastItsEnds) {
    const Case& c = GetParam();
    Canvas canvas;
    ASSERT_NE(canvas.renderer, nullptr);
    PrescaledTexture prescaled;
    const SDL_Rect part{c.partX, 0, kBand.w / kScale, kPictureH};
    if (c.bandCopied) {
        prescaled.draw(canvas.renderer, canvas.room, &part, kBand);
        ASSERT_EQ(prescaled.source(), canvas.room);
    }
    band_margins::draw(canvas.renderer, prescaled, canvas.room, part, kBand, kWindowW);

    int wrong = 0;
    for (int x = 0; x < kWindowW; ++x) {
        const int column = c.column(x);
        if (column < 0) {
            continue;
        }
        const Uint32 p = canvas.at(x, 10);
        const int red = static_cast<int>((p >> 16) & 0xFF);
        const int green = static_cast<int>((p >> 8) & 0xFF);
        const int wantRed = column * band_margins::kShade / 255;
        const int wantGreen = 0xC8 * band_margins::kShade / 255;
        // A column either side: scaling may round the other way.
        if (std::abs(red - wantRed) > 2 || std::abs(green - wantGreen) > 2) {
            ADD_FAILURE() << c.name << ": window column " << x << " shows red " << red << " green "
                          << green << ", want about " << wantRed << " / " << wantGreen;
            if (++wrong > 5) {
                return;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    BothWaysOfDrawing, BandMargins,
    ::testing::Values(Case{"middle, from the copy", 50, true, inTheMiddle},
                      Case{"middle, from the picture", 50, false, inTheMiddle},
                      Case{"right end, from the copy", 150, true, atTheRightEnd},
                      Case{"right end, from the picture", 150, false, atTheRightEnd}),
    [](const ::testing::TestParamInfo<Case>& info) {
        std::string name = info.param.name;
        for (char& ch : name) {
            if (!std::isalnum(static_cast<unsigned char>(ch))) {
                ch = '_';
            }
        }
        return name;
    });

// A window no wider than the band has no margins: nothing is drawn outside it.
TEST(BandMarginsFit, AWindowAsWideAsTheBandIsLeftAlone) {
    Canvas canvas;
    PrescaledTexture prescaled;
    const SDL_Rect part{50, 0, 50, kPictureH};
    band_margins::draw(canvas.renderer, prescaled, canvas.room, part, SDL_Rect{0, 0, 400, 20},
                       kWindowW);
    EXPECT_EQ(canvas.at(0, 10) & 0xFFFFFF, 0u);
}

}  // namespace
