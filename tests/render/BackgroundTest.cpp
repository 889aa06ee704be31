#include "render/Background.hpp"

#include <gtest/gtest.h>

#include <vector>

TEST(Background, ScrollsThenJumpsBackInsteadOfRunningOffTheTexture) {
    // The garden layers: a 768-pixel view on a 1537-pixel strip, two pixels a frame.
    Background trees(nullptr, 0, 0, 16, 9, SDL_Rect{0, 0, 768, 432}, 2, 1537, 432);
    std::vector<int> shown;
    for (int i = 0; i < 390; ++i) {
        shown.push_back(trees.viewRect.x);
        trees.render(nullptr);
    }
    EXPECT_EQ(shown[0], 0);
    EXPECT_EQ(shown[1], 2);
    EXPECT_EQ(shown[384], 768);
    // 770 + 768 would pass the end of the strip: back to the start.
    EXPECT_EQ(shown[385], 0);
    for (int x : shown) {
        EXPECT_LT(x + 768, 1537);
    }
}

TEST(Background, StillLayerNeverMoves) {
    Background trees(nullptr, 0, 0, 16, 9, SDL_Rect{0, 0, 768, 432}, 0, 1537, 432);
    for (int i = 0; i < 1000; ++i) {
        trees.render(nullptr);
    }
    EXPECT_EQ(trees.viewRect.x, 0);
}

TEST(Renderizable, DestinationFollowsScaleAndCameraTruncatingTowardZero) {
    Renderizable r(nullptr, 2.5, -1.25, 1.5, 0.75);
    r.ensureDstRect();
    r.updateDstRect(40.0, 1.0, -0.5);
    EXPECT_EQ(r.dstRect->x, 60);
    EXPECT_EQ(r.dstRect->y, -30);
    EXPECT_EQ(r.dstRect->w, 60);
    EXPECT_EQ(r.dstRect->h, 30);
    r.updateDstRect(33.3, 0.0, 0.0);
    EXPECT_EQ(r.dstRect->x, 83);   // 83.25
    EXPECT_EQ(r.dstRect->y, -41);  // -41.625 truncates toward zero
    EXPECT_TRUE(r.touchesScreenEdge(800, 600));
    r.y = 1.0;
    r.updateDstRect(33.3, 0.0, 0.0);
    EXPECT_FALSE(r.touchesScreenEdge(800, 600));
    EXPECT_TRUE(r.isInside(800, 600, 0, 0));
    EXPECT_FALSE(r.isInside(800, 600, 83, 0));
}

TEST(Renderizable, CopiesOwnTheirRectangles) {
    Renderizable a(nullptr, 0, 0, 1, 1);
    a.setSrcRect(SDL_Rect{1, 2, 3, 4});
    a.ensureDstRect();
    Renderizable b = a;
    ASSERT_NE(b.srcRect, a.srcRect);
    b.srcRect->x = 99;
    EXPECT_EQ(a.srcRect->x, 1);
    Renderizable c;
    c = a;
    EXPECT_EQ(c.srcRect->w, 3);
    EXPECT_NE(c.dstRect, a.dstRect);
}
