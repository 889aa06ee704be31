#include "render/Animated.hpp"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace {

std::string testName(std::string what) {
    for (char& c : what) {
        if (!std::isalnum(static_cast<unsigned char>(c))) {
            c = '_';
        }
    }
    return what;
}

// Ticks the animation the way the scene does, once per frame (no renderer needed).
void tick(Animated& a, int n) {
    for (int i = 0; i < n; ++i) {
        a.draw(nullptr, 0.0, nullptr);
    }
}

Animated walker() {
    Animated a(nullptr);
    a.addAnimation("idle", 4, 0, 0, 128, 128, 16, true, false);
    a.addAnimation("walk", 4, 0, 128, 128, 128, 16, true, false);
    a.addAnimation("stand", 3, 512, 256, 128, 256, 11, false, true, "idle");
    a.addAnimation("damage", 1, 0, 256, 128, 128, 10, false, false);
    a.addAnimation("death", 4, 0, 256, 128, 128, 16, false, false);
    return a;
}

TEST(Animated, ReversedAnimationRunsBackwardsThenHandsOver) {
    Animated a = walker();
    a.setAnimation("stand");
    EXPECT_EQ(a.frame, 2);
    std::vector<int> shown;
    for (int t = 0; t < 33; ++t) {
        shown.push_back(a.frame);
        tick(a, 1);
    }
    EXPECT_EQ(shown.front(), 2);
    EXPECT_EQ(shown[11], 1);
    EXPECT_EQ(shown[22], 0);
    EXPECT_EQ(a.currentAnimation, "idle");
    EXPECT_EQ(a.frame, 0);
    EXPECT_EQ(a.ticksLeft, 16);
}

TEST(Animated, DamageFlashQueuesRequestsAndResumes) {
    Animated a = walker();
    a.setAnimation("walk");
    a.playDamage();
    EXPECT_EQ(a.currentAnimation, "damage");
    EXPECT_EQ(a.resumeAnimation, "walk");
    a.playDamage();  // a second hit during the flash changes nothing
    EXPECT_EQ(a.resumeAnimation, "walk");
    EXPECT_TRUE(a.setAnimation("idle", true));
    EXPECT_EQ(a.currentAnimation, "damage");
    EXPECT_TRUE(a.flipped);
    tick(a, 10);
    EXPECT_EQ(a.currentAnimation, "idle");
    EXPECT_EQ(a.resumeAnimation, "default");
    EXPECT_EQ(a.frame, 0);
}

struct ClipCase {
    const char* what;
    SDL_Rect dst;
    bool flipped;
    SDL_Rect expectDst;
    SDL_Rect expectSrc;  // the cut frame rectangle of a 100 × 100 frame at sheet (200, 0)
};

void PrintTo(const ClipCase& c, std::ostream* os) {
    *os << c.what;
}

class AnimatedClip : public ::testing::TestWithParam<ClipCase> {};

// Reads back the source rectangle the draw used by clipping an identical object by hand.
TEST_P(AnimatedClip, CutsPictureInProportion) {
    const ClipCase& c = GetParam();
    Animated a(nullptr);
    a.addAnimation("idle", 3, 0, 0, 100, 100, 5, true, false);
    a.frame = 2;
    a.ticksLeft = 5;
    a.flipped = c.flipped;
    *a.dstRect = c.dst;
    const SDL_Rect clip{0, 0, 400, 300};
    SDL_Rect src{};
    a.currentFrameRect(src);
    a.drawClipped(nullptr, clip);
    EXPECT_EQ(a.dstRect->x, c.expectDst.x) << c.what;
    EXPECT_EQ(a.dstRect->y, c.expectDst.y) << c.what;
    EXPECT_EQ(a.dstRect->w, c.expectDst.w) << c.what;
    EXPECT_EQ(a.dstRect->h, c.expectDst.h) << c.what;
    EXPECT_EQ(a.lastClippedSource().x, c.expectSrc.x) << c.what;
    EXPECT_EQ(a.lastClippedSource().y, c.expectSrc.y) << c.what;
    EXPECT_EQ(a.lastClippedSource().w, c.expectSrc.w) << c.what;
    EXPECT_EQ(a.lastClippedSource().h, c.expectSrc.h) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Clipping, AnimatedClip,
    ::testing::Values(
        ClipCase{"inside", {50, 50, 200, 200}, false, {50, 50, 200, 200}, {200, 0, 100, 100}},
        ClipCase{"cut left", {-50, 0, 200, 200}, false, {0, 0, 150, 200}, {225, 0, 75, 100}},
        ClipCase{"cut left flipped", {-50, 0, 200, 200}, true, {0, 0, 150, 200}, {200, 0, 75, 100}},
        ClipCase{"cut right", {300, 0, 200, 200}, false, {300, 0, 100, 200}, {200, 0, 50, 100}},
        ClipCase{
            "cut right flipped", {300, 0, 200, 200}, true, {300, 0, 100, 200}, {250, 0, 50, 100}},
        ClipCase{
            "cut top and bottom", {0, -100, 200, 500}, false, {0, 0, 200, 300}, {200, 20, 100, 60}},
        ClipCase{"touching the edge still draws",
                 {400, 0, 50, 50},
                 false,
                 {400, 0, 0, 50},
                 {200, 0, 0, 100}},
        ClipCase{"fully outside", {500, 0, 50, 50}, false, {500, 0, 0, 50}, {200, 0, 100, 100}}),
    [](const auto& info) { return testName(info.param.what); });

}  // namespace
