#include <gtest/gtest.h>

#include "EnemyTestSupport.hpp"
#include "enemies/Pikaboo.hpp"
#include "scene/Escena.hpp"

using enemytest::playerCentredOn;
using State = Pikaboo::State;

namespace {
constexpr double kRoamSpeed = 0.033;  // level 1

int updatesWhile(Pikaboo& p, State state, const WorldRect& player, Escena& scene) {
    int updates = 0;
    while (p.state() == state && updates < 1000) {
        p.update(player, scene);
        ++updates;
    }
    return updates;
}
}  // namespace

TEST(Pikaboo, ApproachesWindsUpChargesIntoTheWallAndDrifts) {
    Escena scene(20.0, 9.0);
    scene.x = 2.0;
    Pikaboo pikaboo(14.0, 4.0, 1);
    const WorldRect player = playerCentredOn(9.0, 4.76);  // 5.5 away, to the left
    pikaboo.update(player, scene);
    EXPECT_NEAR(pikaboo.x, 14.0 - kRoamSpeed, 1e-12);
    EXPECT_EQ(pikaboo.y, player.y);  // 0.01 below: reached, not overshot
    const int roamed = updatesWhile(pikaboo, State::Roaming, player, scene);
    EXPECT_EQ(pikaboo.currentAnimation, "wind-up");
    const double windUpX = pikaboo.x;
    // 101 frames winding up in place, then the charge at three times the speed.
    EXPECT_EQ(updatesWhile(pikaboo, State::WindingUp, player, scene), 101);
    EXPECT_EQ(pikaboo.x, windUpX);
    EXPECT_EQ(pikaboo.currentAnimation, "charge");
    EXPECT_NEAR(pikaboo.speedX, 3 * kRoamSpeed, 1e-12);
    EXPECT_LT(updatesWhile(pikaboo, State::Charging, player, scene), 199);
    EXPECT_EQ(pikaboo.x, scene.x);  // stopped at the wall and dizzy at once
    EXPECT_EQ(pikaboo.hitbox.x, scene.x);
    EXPECT_EQ(pikaboo.attackTimer, 200);
    EXPECT_EQ(updatesWhile(pikaboo, State::Dizzy, player, scene), 200);
    EXPECT_EQ(pikaboo.currentAnimation, "idle");
    EXPECT_NEAR(pikaboo.speedX, kRoamSpeed, 1e-12);
    EXPECT_NEAR(pikaboo.speedY, kRoamSpeed, 1e-12);
    EXPECT_GT(roamed, 0);
}

TEST(Pikaboo, ImmuneOnlyWhileCharging) {
    // Updates after it first sees the player 4 units away, and whether a shot then hurts.
    const struct {
        int updates;
        bool hurts;
    } cases[] = {{0, true}, {50, true}, {102, false}, {301, false}, {302, true}, {450, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.updates);
        Escena scene(200.0, 9.0);
        Pikaboo pikaboo(100.0, 4.0, 1);
        for (int i = 0; i < c.updates; ++i) {
            pikaboo.update(playerCentredOn(104.5, 4.75), scene);
        }
        EXPECT_EQ(pikaboo.hitByShot(enemytest::shotInto(pikaboo.hitbox, 2)), c.hurts);
        EXPECT_EQ(pikaboo.hp, c.hurts ? 15 : 17);
        EXPECT_TRUE(pikaboo.awake);
    }
}
