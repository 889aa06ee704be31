// The art does what the animations are named for (a walk moves the legs, a charge
// leans in, a death collapses, a dissolve fades), the pieces the game places
// precisely have their drawing where the game expects it, and the generator draws
// the same pixels every time.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "valdro_art/manifest.hpp"
#include "valdro_art/png_probe.hpp"

namespace {

using valdro::art::Cut;
using valdro::art::kCuts;
using valdro::art::probe::contrast;
using valdro::art::probe::image;
using valdro::art::probe::Image;
using valdro::art::probe::luminance;

using Mass = Image::Mass;

const Cut& cut_of(std::string_view sheet, std::string_view name) {
    for (const auto& c : kCuts) {
        if (c.image == sheet && c.name == name)
            return c;
    }
    ADD_FAILURE() << "no cut " << sheet << " " << name;
    return kCuts[0];
}

Mass frame_mass(const Cut& c, int i, int alpha = 24) {
    const Image& img = image(c.image);
    if (!img.ok())
        return {};
    return img.mass(c.x + i * c.w, c.y, c.w, c.h, alpha);
}

struct Collapse {
    const char* sheet;
    const char* standing;
    const char* fallen;
};

class DeathAnimation : public ::testing::TestWithParam<Collapse> {};

// The last frame of a death lies lower than the character stood, or shows clearly
// less of it.
TEST_P(DeathAnimation, EndsLowerOrSmallerThanItStood) {
    const Collapse& c = GetParam();
    const Cut& stand = cut_of(c.sheet, c.standing);
    const Cut& fall = cut_of(c.sheet, c.fallen);
    const Mass a = frame_mass(stand, 0, 200);
    const Mass b = frame_mass(fall, fall.frames - 1, 200);
    const double topA = static_cast<double>(a.top) / stand.h,
                 topB = static_cast<double>(b.top) / fall.h;
    EXPECT_TRUE(topB > topA + 0.05 || b.coverage < a.coverage * 0.85)
        << c.sheet << ": top " << topA << " -> " << topB << ", coverage " << a.coverage << " -> "
        << b.coverage;
}

INSTANTIATE_TEST_SUITE_P(All, DeathAnimation,
                         ::testing::Values(Collapse{"img/blanky_sheet.png", "idle", "death"},
                                           Collapse{"img/pikaboo_sheet.png", "idle", "death"},
                                           Collapse{"img/peanut_sheet.png", "idle", "death"},
                                           Collapse{"img/butter_sheet.png", "idle", "death"},
                                           Collapse{"img/handy_sheet.png", "scissor_idle", "death"},
                                           Collapse{"img/lampy_sheet.png", "idle", "death"},
                                           Collapse{"img/greed_sheet.png", "idle", "dead"},
                                           Collapse{"img/lust_sheet.png", "idle", "dead"},
                                           Collapse{"img/valdro1_sheet.png", "idle", "dead"},
                                           Collapse{"img/valdro2_sheet.png", "idle", "dead"},
                                           Collapse{"img/valdro3_sheet.png", "idle3", "dead"}));

// Sum of alpha over a frame: how much of the character is there.
double ink(const Cut& c, int i) {
    const Image& img = image(c.image);
    double sum = 0;
    for (int y = 0; y < c.h; ++y) {
        for (int x = 0; x < c.w; ++x) sum += img.at(c.x + i * c.w + x, c.y + y).a;
    }
    return sum / 255.0;
}

TEST(Dissolve, BlankyFadesAwayFrameByFrame) {
    const Cut& puf = cut_of("img/blanky_sheet.png", "puf");
    double previous = ink(cut_of("img/blanky_sheet.png", "idle"), 0);
    for (int i = 0; i < puf.frames; ++i) {
        const double now = ink(puf, i);
        EXPECT_LT(now, previous * 0.9) << "frame " << i;
        previous = now;
    }
}

TEST(Dissolve, ValdroVanishesIntoFire) {
    // the figure fades while flames rise: the solid upper half empties out
    for (const char* sheet :
         {"img/valdro1_sheet.png", "img/valdro2_sheet.png", "img/valdro3_sheet.png"}) {
        const Cut& puf = cut_of(sheet, "puf");
        const Image& img = image(sheet);
        ASSERT_TRUE(img.ok());
        const double first = img.coverage(puf.x, puf.y, puf.w, puf.h / 2, 230);
        const double last = img.coverage(puf.x + 3 * puf.w, puf.y, puf.w, puf.h / 2, 230);
        EXPECT_LT(last, first * 0.5) << sheet;
    }
}

// Pikaboo's sheet faces left: winding up it rears back (right), charging it
// stretches forward (left).
TEST(Pikaboo, RearsBackThenChargesForward) {
    const double rest = frame_mass(cut_of("img/pikaboo_sheet.png", "idle"), 0).cx;
    const Cut& wind = cut_of("img/pikaboo_sheet.png", "wind-up");
    const Cut& charge = cut_of("img/pikaboo_sheet.png", "charge");
    for (int i = 0; i < 2; ++i) {
        EXPECT_GT(frame_mass(wind, i).cx, rest + 0.03) << "wind-up frame " << i;
        EXPECT_LT(frame_mass(charge, i, 200).cx, rest) << "charge frame " << i;
        EXPECT_GT(frame_mass(charge, i).right - frame_mass(charge, i).left,
                  frame_mass(wind, i).right - frame_mass(wind, i).left)
            << "a charge is stretched";
    }
}

// Between the two contact poses of the walk the legs swap while the head stays.
TEST(Hero, WalkMovesTheLegsMoreThanTheHead) {
    const Cut& walk = cut_of("img/prota_sheet.png", "walk");
    const Image& img = image(walk.image);
    ASSERT_TRUE(img.ok());
    auto changed = [&](int y0, int y1) {
        long n = 0;
        for (int y = y0; y < y1; ++y) {
            for (int x = 0; x < walk.w; ++x) {
                const auto a = img.at(walk.x + x, walk.y + y),
                           b = img.at(walk.x + 2 * walk.w + x, walk.y + y);
                n += std::abs(a.a - b.a) + std::abs(a.r - b.r) > 60;
            }
        }
        return static_cast<double>(n) / ((y1 - y0) * walk.w);
    };
    const double legs = changed(walk.h * 3 / 4, walk.h);
    const double head = changed(0, walk.h / 4);
    EXPECT_GT(legs, 0.08);
    EXPECT_GT(legs, 3 * head);
}

// Both hero frame kinds are drawn at 128 px per world unit: the dash is a lunge,
// lower and longer than standing; curled up the hero is a low ball.
TEST(Hero, DashIsALowLungeAndCurlIsALowBall) {
    const Mass stand = frame_mass(cut_of("img/prota_sheet.png", "idle"), 0, 200);
    const Cut& dash = cut_of("img/prota_sheet.png", "dash");
    for (int i = 0; i < dash.frames; ++i) {
        const Mass m = frame_mass(dash, i, 200);
        EXPECT_LT(m.bottom - m.top, stand.bottom - stand.top) << "dash frame " << i;
        EXPECT_GT(m.right - m.left, stand.right - stand.left) << "dash frame " << i;
    }
    const Cut& curl = cut_of("img/prota_sheet.png", "curl");
    for (int i = 0; i < curl.frames; ++i) {
        EXPECT_GT(frame_mass(curl, i, 200).top, stand.top + 64) << "curl frame " << i;
    }
}

// The blackout is centred on the player: a clear hole in the middle, dark elsewhere.
TEST(Blackout, HasAClearHoleInTheMiddle) {
    const Image& img = image("img/spotlight.png");
    ASSERT_TRUE(img.ok());
    EXPECT_LT(img.at(150, 77).a, 40);
    for (auto [x, y] : {std::pair{2, 2}, {297, 2}, {2, 152}, {297, 152}})
        EXPECT_GE(img.at(x, y).a, 230);
}

TEST(LightCone, WidensTowardsTheFloor) {
    const Image& img = image("img/lampy_light.png");
    ASSERT_TRUE(img.ok());
    EXPECT_LT(img.coverage(0, 200, 512, 150), img.coverage(0, 950, 512, 150) * 0.5);
}

// The reticle turns about its left middle and must point away from the player.
TEST(Reticle, PointsRightFromItsPivot) {
    const Image& img = image("img/reticula.png");
    ASSERT_TRUE(img.ok());
    EXPECT_GT(img.coverage(150, 0, 150, 200), 3 * img.coverage(0, 0, 150, 200) + 0.05);
    const Mass m = img.mass(0, 0, 300, 200);
    EXPECT_NEAR(m.cy, 0.5, 0.05);
}

TEST(Crosshair, IsCentredOnThePointer) {
    const Image& img = image("img/cruceta.png");
    ASSERT_TRUE(img.ok());
    const Mass m = img.mass(0, 0, img.w(), img.h());
    EXPECT_NEAR(m.cx, 0.5, 0.02);
    EXPECT_NEAR(m.cy, 0.5, 0.02);
}

// Furniture is stood on along its top edge: the picture must be solid there.
TEST(Furniture, TopEdgeIsASurfaceToStandOn) {
    for (const char* path : {"img/plat_table1.png", "img/plat_stool1.png", "img/obst_case1.png",
                             "img/obst_case2.png", "img/plat_counter1.png"}) {
        const Image& img = image(path);
        ASSERT_TRUE(img.ok()) << path;
        double widest = 0;
        for (int y = 0; y < img.h() / 10; ++y)
            widest = std::max(widest, img.coverage(0, y, img.w(), 1, 200));
        EXPECT_GT(widest, 0.85) << path;
        EXPECT_GT(img.mass(0, 0, img.w(), img.h()).bottom, img.h() * 9 / 10)
            << path << " floats above the floor";
    }
}

// Button plates carry menu-red text in their middle.
TEST(ButtonPlates, MenuRedReadsOnThem) {
    for (const char* path : {"img/boton_corto.png", "img/boton_largo.png"}) {
        const Image& img = image(path);
        ASSERT_TRUE(img.ok()) << path;
        double r = 0, g = 0, b = 0;
        int n = 0;
        for (int y = img.h() * 3 / 10; y < img.h() * 7 / 10; ++y) {
            for (int x = img.w() * 3 / 10; x < img.w() * 7 / 10; ++x) {
                const auto p = img.at(x, y);
                r += p.r;
                g += p.g;
                b += p.b;
                ++n;
            }
        }
        EXPECT_GE(contrast(luminance(r / n, g / n, b / n), luminance(131, 28, 36)), 4.5) << path;
    }
}

// The HUD cuts n hearts of 50 px for n health: every cell holds one whole heart.
TEST(HeartStrips, SevenEqualHearts) {
    for (const char* path : {"img/hp.png", "img/hp_empty.png"}) {
        const Image& img = image(path);
        ASSERT_TRUE(img.ok()) << path;
        const double first = img.coverage(0, 0, 50, 50);
        EXPECT_GT(first, 0.4) << path;
        for (int i = 1; i < 7; ++i)
            EXPECT_NEAR(img.coverage(i * 50, 0, 50, 50), first, 0.01) << path << " heart " << i;
    }
}

bool overlaps(int ax, int ay, int aw, int ah, int bx, int by, int bw, int bh) {
    return ax < bx + bw && bx < ax + aw && ay < by + bh && by < ay + ah;
}

// Throws and companions cut from a boss sheet must not pick up part of the boss.
TEST(BossSheets, ThrowsDoNotOverlapTheBossFrames) {
    const std::vector<std::pair<const char*, std::vector<const char*>>> throws = {
        {"img/greed_sheet.png", {"pearl", "diamond", "coin"}},
        {"img/lust_sheet.png", {"heart"}},
        {"img/valdro1_sheet.png", {"wave1", "wave2", "skull1", "skull2"}},
    };
    for (const auto& [sheet, names] : throws) {
        for (const char* name : names) {
            const Cut& t = cut_of(sheet, name);
            for (const auto& c : kCuts) {
                if (c.image != sheet || c.name == name)
                    continue;
                for (int i = 0; i < c.frames; ++i) {
                    EXPECT_FALSE(overlaps(t.x, t.y, t.w, t.h, c.x + i * c.w, c.y, c.w, c.h))
                        << sheet << " " << name << " overlaps " << c.name << " frame " << i;
                }
            }
        }
    }
}

// Centre (0..1 across the rectangle) of the visible pixels that pass a colour test.
template <typename Pred>
std::optional<double> centre_x_of(const Image& img, int x0, int y0, int w, int h, Pred pred) {
    double sum = 0;
    long n = 0;
    for (int y = y0; y < y0 + h; ++y) {
        for (int x = x0; x < x0 + w; ++x) {
            const auto p = img.at(x, y);
            if (p.a > 200 && pred(p)) {
                sum += x - x0;
                ++n;
            }
        }
    }
    if (n < 20)
        return std::nullopt;
    return sum / n / w;
}

// The game flips sheets by which way they face unflipped: the hero, Blanky, Butter
// and Handy face right; Pikaboo and Peanut face left.
TEST(Facing, HeroFacesRightWithTheHairBehind) {
    const Image& img = image("img/prota_sheet.png");
    ASSERT_TRUE(img.ok());
    for (const char* anim : {"idle", "walk"}) {
        const Cut& c = cut_of("img/prota_sheet.png", anim);
        for (int i = 0; i < c.frames; ++i) {
            // the head: the top two fifths of the frame
            const int x = c.x + i * c.w, h = c.h * 2 / 5;
            const auto hair = centre_x_of(img, x, c.y, c.w, h, [](auto p) {
                return p.r < 110 && p.r > p.b + 15 && p.g < 80;
            });
            const auto face = centre_x_of(img, x, c.y, c.w, h, [](auto p) {
                return p.r > 220 && p.g > 170 && p.g < 215 && p.b > 130;
            });
            ASSERT_TRUE(hair && face) << anim << " " << i;
            EXPECT_LT(*hair, *face) << anim << " frame " << i;
        }
    }
}

TEST(Facing, PikabooAndPeanutLookLeft) {
    for (const char* sheet : {"img/pikaboo_sheet.png", "img/peanut_sheet.png"}) {
        const Image& img = image(sheet);
        ASSERT_TRUE(img.ok());
        const Cut& idle = cut_of(sheet, "idle");
        for (int i = 0; i < idle.frames; ++i) {
            const int x = idle.x + i * idle.w;
            const auto eyes = centre_x_of(img, x, idle.y, idle.w, idle.h, [](auto p) {
                return p.r > 240 && p.g > 240 && p.b > 240;
            });
            ASSERT_TRUE(eyes) << sheet;
            EXPECT_LT(*eyes, img.mass(x, idle.y, idle.w, idle.h).cx) << sheet << " frame " << i;
        }
    }
}

TEST(Facing, BlankyLooksRight) {
    const Image& img = image("img/blanky_sheet.png");
    ASSERT_TRUE(img.ok());
    const Cut& idle = cut_of("img/blanky_sheet.png", "idle");
    for (int i = 0; i < idle.frames; ++i) {
        const int x = idle.x + i * idle.w;
        const Mass body = img.mass(x, idle.y, idle.w, idle.h, 200);
        // the eye holes: dark pixels inside the sheet, away from its outline
        const int top = idle.y + body.top + (body.bottom - body.top) / 5;
        const auto eyes =
            centre_x_of(img, x + body.left + 12, top, body.right - body.left - 24,
                        (body.bottom - body.top) / 3, [](auto p) { return p.r + p.g + p.b < 150; });
        ASSERT_TRUE(eyes);
        EXPECT_GT(*eyes * (body.right - body.left - 24) + body.left + 12, body.cx * idle.w)
            << "frame " << i;
    }
}

// The game turns the scissors by the flight angle plus 45 degrees, so at rest the
// blades point up and to the right, the red handles down and to the left.
TEST(Facing, ScissorsPointUpRight) {
    const Image& img = image("img/sci_shot.png");
    ASSERT_TRUE(img.ok());
    const auto steel = centre_x_of(img, 0, 0, 128, 128,
                                   [](auto p) { return p.b > 200 && p.g > 200 && p.r > 190; });
    const auto handles =
        centre_x_of(img, 0, 0, 128, 128, [](auto p) { return p.r > 180 && p.g < 90 && p.b < 90; });
    ASSERT_TRUE(steel && handles);
    EXPECT_GT(*steel, *handles + 0.1);
    const double steelTop = img.coverage(64, 0, 64, 64, 200),
                 steelBottom = img.coverage(0, 64, 64, 64, 200);
    EXPECT_GT(steelTop + steelBottom, 0.05);
}

// Valdro's wave travels the way it faces; unflipped it moves left, so its crest
// bulges to the left.
TEST(Facing, ValdroWavesBulgeLeft) {
    for (const char* name : {"wave1", "wave2"}) {
        const Cut& c = cut_of("img/valdro1_sheet.png", name);
        EXPECT_LT(frame_mass(c, 0, 200).cx, 0.5) << name;
    }
}

std::optional<std::string> read_file(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Drawing again gives byte-identical files: no clock, no unseeded randomness.
TEST(Generator, DrawsTheSamePixelsEveryTime) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("valdro_art_" + std::to_string(getpid()));
    std::filesystem::remove_all(dir);
    const std::string cmd =
        std::string("\"") + VALDRO_ART_GEN_PATH + "\" \"" + dir.string() + "\" player items";
    ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
    int compared = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir / "img")) {
        const auto fresh = read_file(entry.path());
        const auto shipped =
            read_file(std::filesystem::path(VALDRO_RUN_DIR) / "img" / entry.path().filename());
        ASSERT_TRUE(fresh && shipped) << entry.path();
        EXPECT_TRUE(*fresh == *shipped) << entry.path().filename();
        ++compared;
    }
    EXPECT_GE(compared, 20);
    std::filesystem::remove_all(dir);
}

}  // namespace
