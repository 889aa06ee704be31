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
