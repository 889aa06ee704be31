#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "EnemyTestSupport.hpp"
#include "enemies/Blanky.hpp"
#include "scene/Escena.hpp"

using enemytest::playerCentredOn;

namespace {
bool parked(const Blanky& b) {
    return b.hitbox.x == -1000 && b.hitbox.y == -1000 && b.box2.x == -1000 && b.box2.y == -1000;
}
// One frame as the scene plays it: update, then the draw that advances the animation.
void frame(Blanky& b, const WorldRect& player, Escena& scene) {
    b.update(player, scene);
    b.draw(nullptr, 0.0, nullptr);
}
}  // namespace

TEST(Blanky, CycleDissolvesMovesReformsShootsAndDissolvesAgain) {
    std::srand(11);
    enemytest::SoundLog sounds;
    Escena scene(30.0, 9.0);
    const WorldRect player = playerCentredOn(20.8, 8.0);  // lower half
    Blanky blanky(5.0, 6.0, 1);                           // lower half too: it must move up
    for (int update = 0; update <= 46; ++update) {
        frame(blanky, player, scene);
        ASSERT_TRUE(parked(blanky) && blanky.x == 5.0 && blanky.y == 6.0) << update;
    }
    EXPECT_EQ(blanky.currentAnimation, "puf");
    frame(blanky, player, scene);  // update 47: moved, shown reforming from the next frame
    EXPECT_LT(blanky.y, 4.5);
    EXPECT_EQ(blanky.currentAnimation, "fup");
    for (int update = 48; update <= 100; ++update) {
        frame(blanky, player, scene);
        ASSERT_TRUE(parked(blanky)) << update;
    }
    EXPECT_TRUE(scene.enemyShots.empty());
    frame(blanky, player, scene);  // update 101: hittable again, and shoots
    EXPECT_EQ(blanky.hitbox.x, blanky.x);
    EXPECT_EQ(blanky.hitbox.y, blanky.y);
    ASSERT_EQ(scene.enemyShots.size(), 1u);
    EXPECT_EQ(sounds.count("shootBlanky"), 1);
    const Disparo& shot = *scene.enemyShots[0];
    EXPECT_EQ(shot.x, blanky.x + 0.75);
    EXPECT_EQ(shot.y, blanky.y + 0.75);
    const double dx = player.centerX() - shot.x, dy = player.centerY() - shot.y;
    EXPECT_NEAR(shot.vx, 0.07 * dx / std::hypot(dx, dy), 1e-12);
    EXPECT_NEAR(shot.vy, 0.07 * dy / std::hypot(dx, dy), 1e-12);
    for (int update = 102; update <= 480; ++update) {
        frame(blanky, player, scene);
    }
    EXPECT_FALSE(parked(blanky));
    frame(blanky, player, scene);  // update 481 = cycleLength + 1
    EXPECT_TRUE(parked(blanky));
    EXPECT_EQ(scene.enemyShots.size(), 1u);
}
