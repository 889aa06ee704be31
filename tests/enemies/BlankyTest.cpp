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
    EXPECT_EQ(shot.range, 15.0);
    EXPECT_EQ(shot.w, 0.5);
    for (int update = 102; update <= 480; ++update) {
        frame(blanky, player, scene);
    }
    EXPECT_FALSE(parked(blanky));
    frame(blanky, player, scene);  // update 481 = cycleLength + 1
    EXPECT_TRUE(parked(blanky));
    EXPECT_EQ(scene.enemyShots.size(), 1u);
}

TEST(Blanky, ReformsInBoundsOppositeThePlayerAndNotOnTopOfIt) {
    Escena scene(30.0, 9.0);
    scene.x = 4.0;  // a level that does not start at the origin
    scene.y = 1.0;
    const double middle = scene.y + scene.h / 2.0;
    // Player positions (left edge, centre y) near both walls and in both halves.
    for (auto [px, cy] : {std::pair{14.3, 8.0}, {4.2, 8.0}, {5.5, 2.0}, {31.5, 1.5}, {32.5, 9}}) {
        const WorldRect player = playerCentredOn(px + 0.5, cy);
        for (unsigned seed = 1; seed <= 150; ++seed) {
            std::srand(seed);
            Blanky blanky(16.0, 4.0, 1);
            blanky.cycleTimer = blanky.cycleLength - 46;
            blanky.update(player, scene);
            SCOPED_TRACE("player x " + std::to_string(px) + " seed " + std::to_string(seed));
            EXPECT_GE(blanky.x, scene.x);
            EXPECT_LE(blanky.x + 1.5, scene.x + scene.w);
            EXPECT_GT(std::abs(blanky.x - player.x), 1.0);
            EXPECT_TRUE(cy < middle ? blanky.y >= middle && blanky.y + 1.5 <= scene.y + scene.h
                                    : blanky.y >= scene.y && blanky.y + 1.5 <= middle);
        }
    }
}

TEST(Blanky, SceneTooSmallToMoveInKeepsItInPlace) {
    for (auto [w, h] : {std::pair{2.0, 9.0}, {30.0, 4.0}, {0.0, 0.0}}) {
        SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
        Escena scene(w, h);
        Blanky blanky(0.5, 0.25, 1);
        for (int update = 0; update <= 101; ++update) {
            blanky.update(playerCentredOn(10.0, 7.0), scene);
        }
        EXPECT_EQ(blanky.x, 0.5);
        EXPECT_EQ(blanky.y, 0.25);
        EXPECT_EQ(scene.enemyShots.size(), 1u);
    }
}

TEST(Blanky, DodgesShotsInTheLastThirdOfItsCycle) {
    Escena scene(30.0, 9.0);
    Blanky blanky(5.0, 1.0, 1);
    blanky.updateHitboxes();
    blanky.cycleTimer = 160;  // 480 / 3: still takes the hit
    EXPECT_TRUE(blanky.hitByShot(enemytest::shotInto(blanky.hitbox)));
    EXPECT_EQ(blanky.hp, 12);
    blanky.cycleTimer = 159;
    EXPECT_FALSE(blanky.hitByShot(enemytest::shotInto(blanky.hitbox, 5)));
    EXPECT_EQ(blanky.hp, 12);
    EXPECT_TRUE(blanky.awake);
    blanky.update(playerCentredOn(20.0, 8.0), scene);  // dissolves on its next frame
    EXPECT_TRUE(parked(blanky));
    EXPECT_EQ(blanky.resumeAnimation, "puf");  // after the damage flash
}
