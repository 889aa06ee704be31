#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "EnemyTestSupport.hpp"
#include "enemies/Blanky.hpp"
#include "scene/Escena.hpp"

using enemytest::playerAt;
using enemytest::shotInto;
using enemytest::SoundLog;

namespace {

bool boxesParked(const Blanky& b) {
    return b.hitbox.x == -1000.0 && b.hitbox.y == -1000.0 && b.box2.x == -1000.0 &&
           b.box2.y == -1000.0;
}

// One frame as the scene plays it: the update, then the draw that advances the animation.
void frame(Blanky& b, const WorldRect& player, Escena& scene) {
    b.update(player, scene);
    b.draw(nullptr, 0.0, nullptr);
}

}  // namespace

TEST(Blanky, CycleDissolvesMovesReformsAndShoots) {
    std::srand(11);
    SoundLog sounds;
    Escena scene(30.0, 9.0);
    const WorldRect player = playerAt(20.3, 7.4);  // lower half
    Blanky blanky(5.0, 6.0, 1);                    // also lower half, so it must move up

    frame(blanky, player, scene);  // update 0
    EXPECT_TRUE(boxesParked(blanky));
    EXPECT_EQ(blanky.currentAnimation, "puf");
    for (int update = 1; update <= 46; ++update) {
        frame(blanky, player, scene);
    }
    EXPECT_DOUBLE_EQ(blanky.x, 5.0);
    EXPECT_DOUBLE_EQ(blanky.y, 6.0);
    EXPECT_EQ(blanky.currentAnimation, "puf");

    frame(blanky, player, scene);  // update 47: moved to the upper half
    EXPECT_LT(blanky.y, 4.5);
    EXPECT_EQ(blanky.currentAnimation, "fup");  // shown reforming from frame 48
    const double newX = blanky.x, newY = blanky.y;

    for (int update = 48; update <= 100; ++update) {
        frame(blanky, player, scene);
        ASSERT_TRUE(boxesParked(blanky)) << "update " << update;
    }
    EXPECT_TRUE(scene.enemyShots.empty());
    EXPECT_EQ(sounds.count("shootBlanky"), 0);

    frame(blanky, player, scene);  // update 101: hittable at its new place, and shoots
    EXPECT_DOUBLE_EQ(blanky.hitbox.x, newX);
    EXPECT_DOUBLE_EQ(blanky.hitbox.y, newY);
    EXPECT_DOUBLE_EQ(blanky.box2.x, newX - 0.1);
    ASSERT_EQ(scene.enemyShots.size(), 1u);
    EXPECT_EQ(sounds.count("shootBlanky"), 1);
    const Disparo& shot = *scene.enemyShots[0];
    EXPECT_DOUBLE_EQ(shot.x, newX + 0.75);
    EXPECT_DOUBLE_EQ(shot.y, newY + 0.75);
    EXPECT_NEAR(std::hypot(shot.vx, shot.vy), 0.07, 1e-12);
    // Aimed from its centre at the player's centre.
    const double dx = player.centerX() - (newX + 0.75), dy = player.centerY() - (newY + 0.75);
    EXPECT_NEAR(shot.vx * dy - shot.vy * dx, 0.0, 1e-12);
    EXPECT_GT(shot.vx * dx + shot.vy * dy, 0.0);
    EXPECT_DOUBLE_EQ(shot.ax, 0.0);
    EXPECT_DOUBLE_EQ(shot.ay, 0.0);
    EXPECT_EQ(shot.damage, 1);
    EXPECT_DOUBLE_EQ(shot.range, 15.0);
    EXPECT_EQ(shot.lifetime, -1);
    EXPECT_DOUBLE_EQ(shot.w, 0.5);
    ASSERT_NE(shot.srcRect, nullptr);
    EXPECT_EQ(shot.srcRect->w, 100);

    for (int update = 102; update <= 480; ++update) {
        frame(blanky, player, scene);
    }
    EXPECT_FALSE(boxesParked(blanky));
    EXPECT_EQ(scene.enemyShots.size(), 1u);
    frame(blanky, player, scene);  // update 481 dissolves again
    EXPECT_TRUE(boxesParked(blanky));
    EXPECT_EQ(blanky.currentAnimation, "puf");
}

TEST(Blanky, CycleLengthByLevelSetsWhenItDissolvesAgain) {
    const struct {
        int level;
        int dissolvesAgainAt;
    } table[] = {{0, 501}, {1, 481}, {3, 441}, {9, 401}};
    for (const auto& row : table) {
        SCOPED_TRACE("level " + std::to_string(row.level));
        std::srand(5);
        Escena scene(30.0, 9.0);
        Blanky blanky(5.0, 1.0, row.level);
        int dissolves = 0;
        for (int update = 0; update <= row.dissolvesAgainAt; ++update) {
            const int before = blanky.cycleTimer;
            blanky.update(playerAt(20.0, 7.4), scene);
            if (blanky.cycleTimer > before) {
                ++dissolves;
                EXPECT_TRUE(update == 0 || update == row.dissolvesAgainAt) << update;
            }
        }
        EXPECT_EQ(dissolves, 2);
    }
}

TEST(Blanky, TeleportStaysInBoundsOppositeThePlayerAndNotOnTopOfIt) {
    struct Case {
        double playerX, playerY;
        bool playerInUpperHalf;
    };
    const Case cases[] = {{10.3, 7.4, false}, {0.2, 7.4, false}, {1.5, 1.0, true},
                          {27.5, 0.5, true},  {28.5, 6.0, false}};
    Escena scene(30.0, 9.0);
    scene.x = 4.0;  // a level that does not start at the origin
    scene.y = 1.0;
    for (const Case& c : cases) {
        const WorldRect player = playerAt(scene.x + c.playerX, scene.y + c.playerY);
        for (unsigned seed = 1; seed <= 150; ++seed) {
            SCOPED_TRACE("player x " + std::to_string(c.playerX) + " seed " +
                         std::to_string(seed));
            std::srand(seed);
            Blanky blanky(scene.x + 12.0, scene.y + 3.0, 1);
            blanky.cycleTimer = blanky.cycleLength - 46;
            blanky.update(player, scene);
            EXPECT_GE(blanky.x, scene.x);
            EXPECT_LE(blanky.x + blanky.w, scene.x + scene.w);
            const double middle = scene.y + scene.h / 2.0;
            if (c.playerInUpperHalf) {
                EXPECT_GE(blanky.y, middle);
                EXPECT_LE(blanky.y + blanky.h, scene.y + scene.h);
            } else {
                EXPECT_GE(blanky.y, scene.y);
                EXPECT_LE(blanky.y + blanky.h, middle);
            }
            EXPECT_GT(std::abs(blanky.x - player.x), 1.0);
        }
    }
}

TEST(Blanky, TooSmallSceneKeepsItWhereItIsAndItStillShoots) {
    const struct {
        double w, h;
    } scenes[] = {{2.0, 9.0}, {30.0, 4.0}, {1.0, 1.0}, {0.0, 0.0}};
    for (const auto& size : scenes) {
        SCOPED_TRACE(std::to_string(size.w) + " x " + std::to_string(size.h));
        std::srand(1);
        Escena scene(size.w, size.h);
        Blanky blanky(0.5, 0.25, 1);
        for (int update = 0; update <= 101; ++update) {
            blanky.update(playerAt(10.0, 7.0), scene);
        }
        EXPECT_DOUBLE_EQ(blanky.x, 0.5);
        EXPECT_DOUBLE_EQ(blanky.y, 0.25);
        EXPECT_DOUBLE_EQ(blanky.hitbox.x, 0.5);
        EXPECT_EQ(scene.enemyShots.size(), 1u);
    }
}

TEST(Blanky, DodgesShotsInTheLastThirdOfItsCycle) {
    std::srand(2);
    Escena scene(30.0, 9.0);
    const WorldRect player = playerAt(20.0, 7.4);
    Blanky blanky(5.0, 1.0, 1);
    for (int update = 0; update <= 101; ++update) {
        blanky.update(player, scene);
    }
    // Just before the last third (cycleTimer 160 of 480) the hit lands.
    while (blanky.cycleTimer > 160) {
        blanky.update(player, scene);
    }
    EXPECT_TRUE(blanky.hitByShot(shotInto(blanky.hitbox)));
    EXPECT_EQ(blanky.hp, 12);
    EXPECT_TRUE(blanky.awake);
    enemytest::drawTicks(blanky, 10);  // the damage flash runs out

    blanky.update(player, scene);  // cycleTimer 159: it dodges
    blanky.awake = false;
    EXPECT_FALSE(blanky.hitByShot(shotInto(blanky.hitbox, 5)));
    EXPECT_EQ(blanky.hp, 12);
    EXPECT_TRUE(blanky.awake);
    EXPECT_FALSE(boxesParked(blanky));
    blanky.update(player, scene);  // and dissolves on its next frame
    EXPECT_TRUE(boxesParked(blanky));
    EXPECT_EQ(blanky.currentAnimation, "puf");
}

TEST(Blanky, DissolvedBlankyCannotBeHitOrWokenAndFacesThePlayer) {
    std::srand(4);
    Escena scene(30.0, 9.0);
    Blanky blanky(5.0, 1.0, 1);
    EXPECT_FALSE(blanky.update(playerAt(20.0, 7.4), scene));  // player to the right
    EXPECT_FALSE(blanky.hitByShot(enemytest::shotAt(5.0, 1.0)));
    EXPECT_FALSE(blanky.awake);
    EXPECT_EQ(blanky.hp, blanky.maxHp);
    EXPECT_TRUE(blanky.update(playerAt(1.0, 7.4), scene));  // the sheet faces right
    EXPECT_TRUE(blanky.flipped);
}
