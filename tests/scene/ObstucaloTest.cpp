#include "scene/Obstucalo.hpp"

#include <gtest/gtest.h>

namespace {

// A tall case whose solid box is its picture: x 4 to 6, top 6, bottom 9; a shelf hung above it
// from 3 to 5. The player is 0.6 wide and 1.2 tall.
constexpr WorldRect kCase{4.0, 6.0, 2.0, 3.0};
constexpr WorldRect kShelf{4.0, 3.0, 2.0, 2.0};
constexpr double kW = 0.6;
constexpr double kH = 1.2;

struct Meeting {
    const char* what;
    WorldRect box;
    double x, y, vx, vy;  // the player after this frame's move
    bool isFloor;
    Obstucalo::Contact expected;
};

TEST(ObstacleContact, EachFaceCrossedThisFramePushesTheRightWay) {
    const Meeting meetings[] = {
        {"falls onto the top", kCase, 4.7, 4.85, 0.0, 0.1, false, Obstucalo::kTop},
        {"walks into the left face", kCase, 3.5, 6.5, 0.2, 0.0, false, Obstucalo::kLeftFace},
        {"walks into the right face", kCase, 5.9, 6.5, -0.2, 0.0, false, Obstucalo::kRightFace},
        {"jumps into the underside", kShelf, 4.7, 4.9, 0.0, -0.2, false, Obstucalo::kUnderside},
        {"passes by", kCase, 1.0, 6.5, 0.2, 0.0, false, Obstucalo::kNone},
        {"already inside, no face crossed", kCase, 4.7, 7.0, 0.0, 0.0, false, Obstucalo::kNone},
        // Falling past the top edge with the body's centre off it: pushed off the nearer side.
        {"falls past the top's left corner", kCase, 3.6, 4.85, 0.0, 0.1, false,
         Obstucalo::kLeftFace},
        {"falls past the top's right corner", kCase, 5.8, 4.85, 0.0, 0.1, false,
         Obstucalo::kRightFace},
        // The floor across the scene holds wherever the feet reach it.
        {"the floor holds past its corner", kCase, 5.8, 4.85, 0.0, 0.1, true, Obstucalo::kTop},
    };
    for (const Meeting& m : meetings) {
        const Obstucalo obstacle(nullptr, m.box, m.box);
        EXPECT_EQ(obstacle.collide(WorldRect{m.x, m.y, kW, kH}, m.vx, m.vy, m.isFloor), m.expected)
            << m.what;
    }
}

}  // namespace
