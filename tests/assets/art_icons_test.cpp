// The desktop icon: every usual size drawn on its own, in the game's look.
#include <gtest/gtest.h>

#include "valdro_art/png_probe.hpp"

namespace {

using valdro::art::probe::image;
using valdro::art::probe::Pixel;

bool near(const Pixel& p, int r, int g, int b, int tolerance) {
    return std::abs(p.r - r) <= tolerance && std::abs(p.g - g) <= tolerance &&
           std::abs(p.b - b) <= tolerance && p.a > 200;
}

TEST(DesktopIcon, EverySizeShowsTheHeroOnTheBurgundyPlaque) {
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const std::string rel = "icons/valdro_" + std::to_string(size) + ".png";
        const auto& icon = image(rel);
        ASSERT_TRUE(icon.ok()) << rel;
        EXPECT_EQ(icon.w(), size) << rel;
        EXPECT_EQ(icon.h(), size) << rel;
        int teal = 0;
        int burgundy = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const Pixel p = icon.at(x, y);
                // The hero's coat: a teal nothing else in the game wears.
                teal += p.a > 200 && p.g > 150 && p.b > 140 && p.r < 90;
                burgundy += near(p, 131, 28, 36, 40);
            }
        }
        EXPECT_GE(teal, size * size / 60) << rel << ": the hero is missing";
        EXPECT_GE(burgundy, size * size / 8) << rel << ": the plaque is missing";
        // A rounded plaque: the corners stay see-through, the middle is solid.
        EXPECT_LT(icon.at(0, 0).a, 128) << rel;
        EXPECT_LT(icon.at(size - 1, size - 1).a, 128) << rel;
        EXPECT_EQ(icon.at(size / 2, size / 2).a, 255) << rel;
    }
}

}  // namespace
