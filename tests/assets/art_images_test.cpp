// The generated art: every image the game loads is in the run folder, at the size
// the art manifest promises, and every frame or source rectangle the game cuts out
// of it lies inside it and shows something.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "valdro_art/manifest.hpp"
#include "valdro_art/png_probe.hpp"

namespace valdro::art {
// readable test names in failure messages
void PrintTo(const ImageSpec& picture, std::ostream* os) {
    *os << picture.path;
}
void PrintTo(const Cut& cut, std::ostream* os) {
    *os << cut.image << " \"" << cut.name << "\"";
}
}  // namespace valdro::art

namespace {

using valdro::art::Cut;
using valdro::art::Family;
using valdro::art::ImageSpec;
using valdro::art::kCuts;
using valdro::art::kImages;
using valdro::art::probe::image;
using valdro::art::probe::Image;
using valdro::art::probe::Pixel;

// The catalogue of the game: every file under img/ that the game loads.
const std::set<std::string> kCatalogue = {
    "img/prota_sheet.png",
    "img/disparoProta.png",
    "img/plat_table1.png",
    "img/plat_stool1.png",
    "img/obst_case1.png",
    "img/obst_case2.png",
    "img/plat_counter1.png",
    "img/boton_corto.png",
    "img/boton_largo.png",
    "img/TitleScreen.png",
    "img/PauseScreen.png",
    "img/GameMenu.png",
    "img/game_over.png",
    "img/scuseMe.png",
    "img/cruceta.png",
    "img/reticula.png",
    "img/hp.png",
    "img/hp_empty.png",
    "img/bg0.png",
    "img/bg1.png",
    "img/bg2.png",
    "img/bgshop.png",
    "img/bgshop_en.png",
    "img/GameMenuLang.png",
    "img/TitleScreen_margin.png",
    "img/PauseScreen_margin.png",
    "img/GameMenu_margin.png",
    "img/game_over_margin.png",
    "img/scuseMe_margin.png",
    "img/bg_greed.png",
    "img/bg_lust.png",
    "img/bg_valdro.png",
    "img/coin.png",
    "img/f.png",
    "img/trees1.png",
    "img/trees2.png",
    "img/trees3.png",
    "img/infoObjetosES.png",
    "img/infoObjetosEN.png",
    "img/prota_head.png",
    "img/triangle.png",
    "img/blanky_sheet.png",
    "img/disparoEnemigo.png",
    "img/pikaboo_sheet.png",
    "img/peanut_sheet.png",
    "img/butter_sheet.png",
    "img/butter_shit.png",
    "img/handy_sheet.png",
    "img/sci_shot.png",
    "img/rock_shot.png",
    "img/greed_sheet.png",
    "img/lust_sheet.png",
    "img/valdro1_sheet.png",
    "img/valdro2_sheet.png",
    "img/valdro3_sheet.png",
    "img/lampy_sheet.png",
    "img/lampy_light.png",
    "img/spotlight.png",
    "img/bellboy_body.png",
    "img/bellboy_body_en.png",
    "img/bellboy_sheet.png",
    "img/bolsillos_body.png",
    "img/bolsillos_body_en.png",
    "img/valdro_body.png",
    "img/codicia_body.png",
    "img/codicia_body_en.png",
    "img/lujuria_body.png",
    "img/lujuria_body_en.png",
    "img/pocketman_sheet.png",
    "img/prota_body.png",
    "img/tutorial_body.png",
    "img/attack_plus.png",
    "img/cad_plus.png",
    "img/cadencyObject.png",
    "img/damageObject.png",
    "img/heart.png",
    "img/hp_plus.png",
    "img/potion.png",
    "img/rangeObject.png",
    "img/range_plus.png",
    "img/speedObject.png",
    "img/speed_plus.png",
    "img/altavoz.png",
    "img/altavozX.png",
};

TEST(ArtCatalogue, ManifestListsExactlyTheGamesImages) {
    std::set<std::string> manifest;
    for (const auto& img : kImages) manifest.insert(std::string(img.path));
    EXPECT_EQ(kCatalogue.size(), 84u);
    EXPECT_EQ(manifest, kCatalogue);
}

TEST(ArtCatalogue, EveryCutNamesAKnownImage) {
    for (const auto& cut : kCuts) {
        EXPECT_NE(valdro::art::findImage(cut.image), nullptr) << cut.image << " " << cut.name;
    }
}

class ArtImage : public ::testing::TestWithParam<ImageSpec> {};

TEST_P(ArtImage, LoadsAtTheManifestSize) {
    const ImageSpec& picture = GetParam();
    const Image& img = image(picture.path);
    ASSERT_TRUE(img.ok()) << picture.path << ": " << IMG_GetError();
    EXPECT_EQ(img.w(), picture.w) << picture.path;
    EXPECT_EQ(img.h(), picture.h) << picture.path;
}

TEST_P(ArtImage, OpaquePicturesHaveNoHolesAndSpritesSitOnTransparency) {
    const ImageSpec& picture = GetParam();
    const Image& img = image(picture.path);
    ASSERT_TRUE(img.ok()) << picture.path;
    const double solid = img.coverage(0, 0, img.w(), img.h(), 254);
    if (picture.opaque) {
        EXPECT_DOUBLE_EQ(solid, 1.0) << picture.path;
    } else if (picture.family != Family::Background && picture.family != Family::Platform) {
        // a sprite, icon or portrait: some see-through area, and something drawn
        EXPECT_LT(solid, 0.9) << picture.path;
        EXPECT_GT(img.coverage(0, 0, img.w(), img.h()), 0.005) << picture.path;
    }
}

std::string image_name(const ::testing::TestParamInfo<ImageSpec>& info) {
    std::string s(info.param.path.substr(4));
    for (char& c : s) {
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    }
    return s;
}

INSTANTIATE_TEST_SUITE_P(All, ArtImage, ::testing::ValuesIn(kImages), image_name);

class ArtCut : public ::testing::TestWithParam<Cut> {};

TEST_P(ArtCut, EveryFrameLiesInsideItsImageAndShowsSomething) {
    const Cut& cut = GetParam();
    const Image& img = image(cut.image);
    ASSERT_TRUE(img.ok()) << cut.image;
    for (int i = 0; i < cut.frames; ++i) {
        const int x = cut.x + i * cut.w;
        ASSERT_GE(x, 0);
        ASSERT_GE(cut.y, 0);
        ASSERT_LE(x + cut.w, img.w()) << cut.image << " " << cut.name << " frame " << i;
        ASSERT_LE(cut.y + cut.h, img.h()) << cut.image << " " << cut.name << " frame " << i;
        EXPECT_GT(img.coverage(x, cut.y, cut.w, cut.h), 0.01)
            << cut.image << " " << cut.name << " frame " << i;
    }
}

// Fraction of pixels that differ noticeably between two equally sized rectangles.
double difference(const Image& img, int x1, int y1, int x2, int y2, int w, int h) {
    long n = 0;
    for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
            Pixel a = img.at(x1 + i, y1 + j), b = img.at(x2 + i, y2 + j);
            int d = std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b) +
                    std::abs(a.a - b.a);
            n += d > 48;
        }
    }
    return static_cast<double>(n) / (static_cast<double>(w) * h);
}

class ArtAnimation : public ::testing::TestWithParam<Cut> {};

TEST_P(ArtAnimation, NeighbouringFramesVisiblyDiffer) {
    const Cut& cut = GetParam();
    const Image& img = image(cut.image);
    ASSERT_TRUE(img.ok());
    for (int i = 0; i + 1 < cut.frames; ++i) {
        EXPECT_GT(
            difference(img, cut.x + i * cut.w, cut.y, cut.x + (i + 1) * cut.w, cut.y, cut.w, cut.h),
            0.01)
            << cut.image << " " << cut.name << " frames " << i << " and " << i + 1;
    }
}

std::string cut_name(const ::testing::TestParamInfo<Cut>& info) {
    std::string s = std::string(info.param.image.substr(4)) + "_" + std::string(info.param.name);
    for (char& c : s) {
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    }
    return s + "_" + std::to_string(info.index);
}

INSTANTIATE_TEST_SUITE_P(All, ArtCut, ::testing::ValuesIn(kCuts), cut_name);

// Animations of more than one frame; the heart strips repeat one heart on purpose.
std::vector<Cut> animations() {
    std::vector<Cut> out;
    for (const auto& cut : kCuts) {
        if (cut.frames > 1 && !cut.name.starts_with("seven_"))
            out.push_back(cut);
    }
    return out;
}

INSTANTIATE_TEST_SUITE_P(All, ArtAnimation, ::testing::ValuesIn(animations()), cut_name);

}  // namespace
