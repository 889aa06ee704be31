// What the game's screens rely on inside the pictures: button plates under
// plate-less menu buttons, see-through portraits with a dark text box, a volume
// wedge, seamless garden layers, windows to the garden, and a hero whose colour
// no enemy shares.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>

#include "valdro_art/manifest.hpp"
#include "valdro_art/png_probe.hpp"

namespace valdro::art {
void PrintTo(const Plate& p, std::ostream* os) {
    *os << p.image << " (" << p.x << ", " << p.y << ")";
}
}  // namespace valdro::art

namespace {

using valdro::art::Family;
using valdro::art::kImages;
using valdro::art::kPlates;
using valdro::art::Plate;
using valdro::art::probe::contrast;
using valdro::art::probe::image;
using valdro::art::probe::Image;
using valdro::art::probe::luminance;
using valdro::art::probe::Pixel;

constexpr double kMenuPx = 100.0;  // 1600 x 1200 for a 16 x 12 screen
const double kTextRed = luminance(131, 28, 36);
const double kWhite = luminance(255, 255, 255);

struct Mean {
    double r = 0, g = 0, b = 0;
};

Mean mean_colour(const Image& img, int x, int y, int w, int h) {
    Mean m;
    for (int j = y; j < y + h; ++j) {
        for (int i = x; i < x + w; ++i) {
            Pixel p = img.at(i, j);
            m.r += p.r;
            m.g += p.g;
            m.b += p.b;
        }
    }
    const double n = static_cast<double>(w) * h;
    return {m.r / n, m.g / n, m.b / n};
}

class MenuPlate : public ::testing::TestWithParam<Plate> {};

// The button's text is drawn straight onto the menu picture in the menu red, so the
// picture must carry a plate that the red reads on (a missing plate leaves the dark
// wallpaper, which fails this).
TEST_P(MenuPlate, MenuRedTextReadsOnThePlate) {
    const Plate& p = GetParam();
    const Image& img = image(p.image);
    ASSERT_TRUE(img.ok()) << p.image;
    // the middle of the button, where the centred text lies
    const int x = static_cast<int>((p.x + p.w * 0.2) * kMenuPx);
    const int y = static_cast<int>((p.y + p.h * 0.3) * kMenuPx);
    const int w = static_cast<int>(p.w * 0.6 * kMenuPx);
    const int h = static_cast<int>(p.h * 0.4 * kMenuPx);
    const Mean m = mean_colour(img, x, y, w, h);
    EXPECT_GE(contrast(luminance(m.r, m.g, m.b), kTextRed), 3.0)
        << p.image << " plate at " << p.x << ", " << p.y << " mean " << m.r << " " << m.g << " "
        << m.b;
}

INSTANTIATE_TEST_SUITE_P(All, MenuPlate, ::testing::ValuesIn(kPlates), [](const auto& info) {
    std::string s(info.param.image.substr(4));
    for (char& c : s) {
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    }
    return s + "_" + std::to_string(info.index);
});

TEST(MenuPlates, EveryPlateFitsOnTheScreen) {
    for (const auto& p : kPlates) {
        EXPECT_GE(p.x, 0.0);
        EXPECT_GE(p.y, 0.0);
        EXPECT_LE(p.x + p.w, 16.0) << p.image;
        EXPECT_LE(p.y + p.h, 12.0) << p.image;
    }
}

// Portraits cover the 16 x 9 band: the scene must show through above the text box,
// and the box (y 4.1 to 9.1 units, 410 px down) must be solid and dark under the
// white dialogue text.
TEST(Portraits, SeeThroughAboveAndADarkSolidTextBoxBelow) {
    int portraits = 0;
    for (const auto& picture : kImages) {
        if (picture.family != Family::Portrait)
            continue;
        ++portraits;
        const Image& img = image(picture.path);
        ASSERT_TRUE(img.ok()) << picture.path;
        const int boxTop = static_cast<int>(valdro::art::kTextBoxY * valdro::art::kPortraitUnit);
        EXPECT_LT(img.coverage(0, 0, img.w(), boxTop - 80), 0.6) << picture.path;
        EXPECT_GT(img.coverage(0, 0, img.w(), boxTop - 80), 0.03)
            << picture.path << ": nobody is speaking";
        // the area the rows of text are written into
        const int x = 60, y = boxTop + 40, w = img.w() - 120, h = img.h() - boxTop - 80;
        EXPECT_GT(img.coverage(x, y, w, h, 200), 0.99) << picture.path;
        const Mean m = mean_colour(img, x, y, w, h);
        EXPECT_GE(contrast(luminance(m.r, m.g, m.b), kWhite), 7.0) << picture.path;
    }
    EXPECT_EQ(portraits, 11);  // seven characters, four with an English name plate
}

// The tree layers scroll by restarting at 0 once the 768-pixel view reaches the end;
// a picture that repeats every 768 pixels makes the restart invisible.
TEST(TreeLayers, RepeatEvery768Pixels) {
    for (const char* path : {"img/trees1.png", "img/trees2.png", "img/trees3.png"}) {
        const Image& img = image(path);
        ASSERT_TRUE(img.ok()) << path;
        long off = 0, n = 0;
        for (int y = 0; y < img.h(); y += 3) {
            for (int x = 0; x + 768 < img.w(); x += 3) {
                Pixel a = img.at(x, y), b = img.at(x + 768, y);
                off += std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b) +
                           std::abs(a.a - b.a) >
                       40;
                ++n;
            }
        }
        EXPECT_LT(static_cast<double>(off) / n, 0.002) << path;
    }
}

// Hotel rooms with windows let the garden layers (drawn first) show through, while
// the strip the player walks on stays solid.
TEST(Backgrounds, WindowsOpenOntoTheGardenAndTheFloorIsSolid) {
    for (const char* path : {"img/bg0.png", "img/bg1.png", "img/bg2.png", "img/bg_valdro.png"}) {
        const Image& img = image(path);
        ASSERT_TRUE(img.ok()) << path;
        const double solid = img.coverage(0, 0, 1600, 900, 250);
        EXPECT_LT(solid, 0.97) << path << ": no window in the first band";
        EXPECT_GT(solid, 0.7) << path;
    }
    for (const auto& picture : kImages) {
        if (picture.family != Family::Background)
            continue;
        const Image& img = image(picture.path);
        EXPECT_DOUBLE_EQ(img.coverage(0, 620, img.w(), 280, 250), 1.0) << picture.path;
    }
}

// Pixels of the hero's coat colour (a bright teal).
double hero_teal_share(const Image& img, int x, int y, int w, int h) {
    long teal = 0, visible = 0;
    for (int j = y; j < y + h; j += 2) {
        for (int i = x; i < x + w; i += 2) {
            Pixel p = img.at(i, j);
            if (p.a < 128)
                continue;
            ++visible;
            const int mx = std::max({p.r, p.g, p.b}), mn = std::min({p.r, p.g, p.b});
            if (mx < 120 || mx - mn < 0.6 * mx)
                continue;
            double hue;
            if (mx == p.g)
                hue = 60.0 * ((p.b - p.r) / static_cast<double>(mx - mn)) + 120.0;
            else if (mx == p.b)
                hue = 60.0 * ((p.r - p.g) / static_cast<double>(mx - mn)) + 240.0;
            else
                continue;
            teal += hue > 166 && hue < 186;
        }
    }
    return visible ? static_cast<double>(teal) / visible : 0.0;
}

TEST(HeroColour, TheHeroWearsItAndNoEnemyOrBossDoes) {
    const Image& hero = image("img/prota_sheet.png");
    ASSERT_TRUE(hero.ok());
    EXPECT_GT(hero_teal_share(hero, 0, 0, hero.w(), hero.h()), 0.2);
    for (const auto& picture : kImages) {
        if (picture.family != Family::Enemy && picture.family != Family::Boss)
            continue;
        const Image& img = image(picture.path);
        ASSERT_TRUE(img.ok()) << picture.path;
        EXPECT_LT(hero_teal_share(img, 0, 0, img.w(), img.h()), 0.01) << picture.path;
    }
}

// Projectiles fly over light wallpaper and dark night alike: each needs a bright
// core and a dark rim.
TEST(Projectiles, HaveABrightCoreAndADarkOutline) {
    for (const char* path : {"img/disparoProta.png", "img/disparoEnemigo.png",
                             "img/butter_shit.png", "img/sci_shot.png", "img/rock_shot.png"}) {
        const Image& img = image(path);
        ASSERT_TRUE(img.ok()) << path;
        double brightest = 0, darkest = 1;
        for (int y = 0; y < img.h(); ++y) {
            for (int x = 0; x < img.w(); ++x) {
                Pixel p = img.at(x, y);
                if (p.a < 230)
                    continue;
                const double l = luminance(p.r, p.g, p.b);
                brightest = std::max(brightest, l);
                darkest = std::min(darkest, l);
            }
        }
        EXPECT_GT(brightest, 0.5) << path;
        EXPECT_LT(darkest, 0.03) << path;
    }
}

}  // namespace
