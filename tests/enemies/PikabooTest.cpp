#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "EnemyTestSupport.hpp"
#include "enemies/Pikaboo.hpp"
#include "scene/Escena.hpp"

using enemytest::playerAt;
using enemytest::shotInto;
using State = Pikaboo::State;

namespace {
constexpr double kRoamSpeed = 0.033;  // level 1

// Brings a Pikaboo close to the player and through the whole wind-up, so that the next update
// is its first charging step.
void windUpNextTo(Pikaboo& pikaboo, const WorldRect& player, Escena& scene) {
    pikaboo.update(player, scene);
    ASSERT_EQ(pikaboo.state(), State::WindingUp);
    for (int i = 0; i < 101; ++i) {
        pikaboo.update(player, scene);
    }
    ASSERT_EQ(pikaboo.state(), State::Charging);
}
}  // namespace

TEST(Pikaboo, RoamsTowardsThePlayerWithoutOvershooting) {
    Escena scene(40.0, 9.0);
    Pikaboo pikaboo(20.0, 2.0, 1);
    pikaboo.update(playerAt(5.0, 2.01), scene);
    EXPECT_NEAR(pikaboo.x, 20.0 - kRoamSpeed, 1e-12);
    EXPECT_DOUBLE_EQ(pikaboo.y, 2.01);  // reaches the player's height, no further
    EXPECT_DOUBLE_EQ(pikaboo.hitbox.x, pikaboo.x);
    EXPECT_FALSE(pikaboo.flipped);  // the sheet faces left, the player is to the left
    pikaboo.update(playerAt(35.0, 2.01), scene);
    EXPECT_NEAR(pikaboo.x, 20.0, 1e-12);
    EXPECT_TRUE(pikaboo.flipped);
    EXPECT_EQ(pikaboo.state(), State::Roaming);
}

TEST(Pikaboo, WindsUpFor101FramesThenChargesWhereThePlayerWas) {
    Escena scene(40.0, 9.0);
    Pikaboo pikaboo(20.0, 4.0, 1);
    pikaboo.update(playerAt(16.0, 4.0), scene);  // 4 units away: winds up, does not move
    EXPECT_EQ(pikaboo.currentAnimation, "wind-up");
    EXPECT_DOUBLE_EQ(pikaboo.x, 20.0);
    for (int frame = 1; frame <= 100; ++frame) {
        pikaboo.update(playerAt(16.0, 4.0), scene);
        ASSERT_EQ(pikaboo.state(), State::WindingUp) << frame;
        ASSERT_DOUBLE_EQ(pikaboo.x, 20.0);
    }
    // On the 101st frame it locks on the player, who has stepped straight below it.
    pikaboo.update(playerAt(20.0, 7.0), scene);
    EXPECT_EQ(pikaboo.state(), State::Charging);
    EXPECT_EQ(pikaboo.currentAnimation, "charge");
    EXPECT_NEAR(pikaboo.speedX, 3 * kRoamSpeed, 1e-12);
    pikaboo.update(playerAt(0.0, 0.0), scene);  // it no longer steers
    EXPECT_NEAR(pikaboo.x, 20.0, 1e-12);
    EXPECT_NEAR(pikaboo.y, 4.0 + 3 * kRoamSpeed, 1e-12);
}

TEST(Pikaboo, ChargeIntoAWallStopsThereAndTurnsDizzyAtOnce) {
    Escena scene(20.0, 9.0);
    scene.x = 2.0;
    Pikaboo pikaboo(10.0, 4.0, 1);
    const WorldRect player = playerAt(6.5, 4.0);  // to the left: it charges at the left wall
    windUpNextTo(pikaboo, player, scene);
    int chargeFrames = 0;
    while (pikaboo.state() == State::Charging && chargeFrames < 300) {
        pikaboo.update(player, scene);
        ++chargeFrames;
    }
    EXPECT_LT(chargeFrames, 199);
    EXPECT_DOUBLE_EQ(pikaboo.x, scene.x);
    EXPECT_DOUBLE_EQ(pikaboo.hitbox.x, scene.x);
    EXPECT_EQ(pikaboo.attackTimer, 200);

    pikaboo.update(player, scene);
    EXPECT_EQ(pikaboo.currentAnimation, "dizzy");
    EXPECT_NEAR(pikaboo.speedX, kRoamSpeed, 1e-12);
    for (int frame = 2; frame <= 200; ++frame) {
        pikaboo.update(player, scene);
        ASSERT_GE(pikaboo.x, scene.x);
    }
    EXPECT_EQ(pikaboo.state(), State::Roaming);
    EXPECT_EQ(pikaboo.currentAnimation, "idle");
    EXPECT_NEAR(pikaboo.speedX, kRoamSpeed, 1e-12);
    EXPECT_NEAR(pikaboo.speedY, kRoamSpeed, 1e-12);
}

TEST(Pikaboo, ChargeInTheOpenLasts199FramesThenDriftsAwayDizzy) {
    Escena scene(200.0, 9.0);
    Pikaboo pikaboo(100.0, 4.0, 1);
    const WorldRect player = playerAt(104.0, 4.0);  // charges right, into open space
    windUpNextTo(pikaboo, player, scene);
    int chargeFrames = 0;
    while (pikaboo.state() == State::Charging) {
        pikaboo.update(player, scene);
        ++chargeFrames;
    }
    EXPECT_EQ(chargeFrames, 199);
    EXPECT_NEAR(pikaboo.x, 100.0 + 199 * 3 * kRoamSpeed, 1e-9);

    // Now past the player: dizzy, it drifts further away, right and up.
    const WorldRect behind = playerAt(104.0, 5.0);
    const double x0 = pikaboo.x, y0 = pikaboo.y;
    pikaboo.update(behind, scene);
    EXPECT_NEAR(pikaboo.x, x0 + kRoamSpeed, 1e-9);
    EXPECT_NEAR(pikaboo.y, y0 - kRoamSpeed, 1e-9);
    EXPECT_FALSE(pikaboo.flipped);  // player to its left
}

TEST(Pikaboo, ImmuneOnlyWhileCharging) {
    struct Case {
        const char* phase;
        std::function<void(Pikaboo&, const WorldRect&, Escena&)> bringInto;
        bool takesDamage;
    };
    const Case cases[] = {
        {"roaming", [](Pikaboo&, const WorldRect&, Escena&) {}, true},
        {"winding up",
         [](Pikaboo& p, const WorldRect& pl, Escena& s) {
             for (int i = 0; i < 50; ++i) p.update(pl, s);
         },
         true},
        {"first charge frame", windUpNextTo, false},
        {"charging",
         [](Pikaboo& p, const WorldRect& pl, Escena& s) {
             windUpNextTo(p, pl, s);
             for (int i = 0; i < 20; ++i) p.update(pl, s);
         },
         false},
        {"dizzy",
         [](Pikaboo& p, const WorldRect& pl, Escena& s) {
             windUpNextTo(p, pl, s);
             for (int i = 0; i < 200; ++i) p.update(pl, s);
         },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.phase);
        Escena scene(200.0, 9.0);
        Pikaboo pikaboo(100.0, 4.0, 1);
        c.bringInto(pikaboo, playerAt(104.0, 4.0), scene);
        EXPECT_EQ(pikaboo.hitByShot(shotInto(pikaboo.hitbox, 2)), c.takesDamage);
        EXPECT_EQ(pikaboo.hp, c.takesDamage ? 15 : 17);
        EXPECT_TRUE(pikaboo.awake);
    }
}
