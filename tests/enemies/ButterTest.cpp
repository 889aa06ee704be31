#include <gtest/gtest.h>

#include <cstdlib>

#include "EnemyTestSupport.hpp"
#include "enemies/Butter.hpp"
#include "scene/Escena.hpp"

namespace {
const WorldRect kPlayer{0, 0, 1, 1.5};

// A seed whose first coin flip (rand() % 2) comes up as wanted.
void seedForCoin(int coin) {
    for (unsigned seed = 1;; ++seed) {
        std::srand(seed);
        if (std::rand() % 2 == coin) {
            return std::srand(seed);
        }
    }
}
}  // namespace

TEST(Butter, TurnsAtItsLimitsAndStaysWithinThem) {
    // Limits [4, 10]: x stays within [4, 8.5].
    const struct {
        double x, speed, expectedX;
        bool turnedLeft;
    } cases[] = {{8.46, 0.03, 8.49, false},
                 {8.48, 0.03, 8.45, true},
                 {4.04, -0.03, 4.01, true},
                 {4.02, -0.03, 4.05, false},
                 {9.5, 0.03, 9.47, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        Escena scene(30.0, 9.0);
        Butter butter(c.x, 7.4, 4.0, 10.0, 1);
        butter.patrolSpeed = c.speed;
        butter.dropTimer = 10;
        EXPECT_EQ(butter.update(kPlayer, scene), c.turnedLeft);  // flipped when walking left
        EXPECT_NEAR(butter.x, c.expectedX, 1e-12);
        EXPECT_EQ(butter.hitbox.x, butter.x);
    }
    std::srand(8);
    Escena scene(30.0, 9.0);
    Butter butter(5.0, 7.4, 4.0, 9.7, 2);
    for (int update = 0; update < 3000; ++update) {
        butter.update(kPlayer, scene);
        ASSERT_GE(butter.x, 4.0);
        ASSERT_LE(butter.x + 1.5, 9.7 + 1e-12);
    }
}

TEST(Butter, DecidesOnItsFirstUpdateAndDropsAtTheRearFoot) {
    enemytest::SoundLog sounds;
    for (double speed : {0.03, -0.03}) {
        SCOPED_TRACE(speed);
        seedForCoin(1);
        Escena scene(30.0, 9.0);
        Butter butter(5.0, 7.0, 0.0, 20.0, 1);
        butter.patrolSpeed = speed;
        butter.dropRight = speed < 0;
        butter.update(kPlayer, scene);
        ASSERT_EQ(scene.enemyShots.size(), 1u);
        Disparo& drop = *scene.enemyShots[0];
        EXPECT_EQ(drop.x, speed > 0 ? 5.0 : 5.75);
        EXPECT_EQ(drop.y, 7.75);
        EXPECT_EQ(butter.dropTimer, 200);
        for (int frame = 1; frame < 600; ++frame) {
            ASSERT_FALSE(drop.step(1.0, 0.0, 0.0));
        }
        EXPECT_TRUE(drop.step(1.0, 0.0, 0.0));  // lies exactly 600 frames
    }
    EXPECT_EQ(sounds.count("shootButter"), 2);
    seedForCoin(0);
    Escena scene(30.0, 9.0);
    Butter butter(5.0, 7.0, 0.0, 20.0, 1);
    butter.update(kPlayer, scene);
    EXPECT_TRUE(scene.enemyShots.empty());
    EXPECT_EQ(butter.dropTimer, 50);  // the next decision 51 updates later
}
