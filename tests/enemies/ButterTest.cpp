#include <gtest/gtest.h>

#include <cstdlib>

#include "EnemyTestSupport.hpp"
#include "enemies/Butter.hpp"
#include "scene/Escena.hpp"

using enemytest::playerAt;
using enemytest::SoundLog;

namespace {
// Finds a seed whose first rand() % 2 is the wanted coin, so a test can force either decision.
unsigned seedForCoin(int coin) {
    for (unsigned seed = 1;; ++seed) {
        std::srand(seed);
        if (std::rand() % 2 == coin) {
            return seed;
        }
    }
}
}  // namespace

TEST(Butter, TurnsOnTheFrameItsNextStepWouldCrossALimit) {
    struct Case {
        const char* what;
        double x;
        double speed;
        double expectedX;
        bool walksLeft;
        bool dropRight;
    };
    // Limits [4, 10]: x stays within [4, 8.5].
    const Case cases[] = {
        {"mid-walk right", 6.0, 0.03, 6.03, false, false},
        {"close to the right limit", 8.46, 0.03, 8.49, false, false},
        {"would cross the right limit", 8.48, 0.03, 8.45, true, true},
        {"mid-walk left", 6.0, -0.03, 5.97, true, false},
        {"close to the left limit", 4.04, -0.03, 4.01, true, false},
        {"would cross the left limit", 4.02, -0.03, 4.05, false, false},
        {"placed past the right limit walks back in", 9.5, 0.03, 9.47, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Escena scene(30.0, 9.0);
        Butter butter(c.x, 7.4, 4.0, 10.0, 1);
        butter.patrolSpeed = c.speed;
        butter.dropTimer = 10;  // no decision this frame
        EXPECT_EQ(butter.update(playerAt(0, 0), scene), c.walksLeft);
        EXPECT_NEAR(butter.x, c.expectedX, 1e-12);
        EXPECT_EQ(butter.dropRight, c.dropRight);
        EXPECT_DOUBLE_EQ(butter.hitbox.x, butter.x);
    }
}

TEST(Butter, OnceInsideItNeverLeavesItsLimits) {
    std::srand(8);
    Escena scene(30.0, 9.0);
    Butter butter(5.0, 7.4, 4.0, 9.7, 2);
    int turns = 0;
    bool facingLeft = false;
    for (int update = 0; update < 3000; ++update) {
        butter.update(playerAt(0, 0), scene);
        ASSERT_GE(butter.x, 4.0) << update;
        ASSERT_LE(butter.x + butter.w, 9.7 + 1e-12) << update;
        if (butter.flipped != facingLeft) {
            ++turns;
            facingLeft = butter.flipped;
        }
    }
    EXPECT_GT(turns, 10);
}

TEST(Butter, FirstDecisionOnTheFirstUpdate) {
    SoundLog sounds;
    {
        std::srand(seedForCoin(1));
        Escena scene(30.0, 9.0);
        Butter butter(5.0, 7.0, 0.0, 20.0, 1);
        butter.update(playerAt(0, 0), scene);
        ASSERT_EQ(scene.enemyShots.size(), 1u);
        EXPECT_EQ(sounds.count("shootButter"), 1);
        EXPECT_EQ(butter.dropTimer, 200);  // the next decision is 201 updates later
    }
    {
        std::srand(seedForCoin(0));
        Escena scene(30.0, 9.0);
        Butter butter(5.0, 7.0, 0.0, 20.0, 1);
        butter.update(playerAt(0, 0), scene);
        EXPECT_TRUE(scene.enemyShots.empty());
        EXPECT_EQ(sounds.count("shootButter"), 1);
        EXPECT_EQ(butter.dropTimer, 50);  // and 51 updates later after a skip
        for (int update = 1; update <= 50; ++update) {
            butter.update(playerAt(0, 0), scene);
        }
        EXPECT_EQ(butter.dropTimer, 0);
    }
}

TEST(Butter, DroppingLiesAtTheRearFootFor600Frames) {
    struct Case {
        const char* walking;
        double speed;
        double dropX;
    };
    const Case cases[] = {{"right: at its left foot", 0.03, 5.0},
                          {"left: at its right foot", -0.03, 5.0 + 1.5 - 0.75}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.walking);
        std::srand(seedForCoin(1));
        Escena scene(30.0, 9.0);
        Butter butter(5.0, 7.0, 0.0, 20.0, 1);
        butter.patrolSpeed = c.speed;
        butter.dropRight = c.speed < 0;
        butter.update(playerAt(0, 0), scene);
        ASSERT_EQ(scene.enemyShots.size(), 1u);
        Disparo& drop = *scene.enemyShots[0];
        EXPECT_DOUBLE_EQ(drop.x, c.dropX);
        EXPECT_DOUBLE_EQ(drop.y, 7.0 + 1.5 - 0.75);
        EXPECT_DOUBLE_EQ(drop.w, 0.75);
        EXPECT_DOUBLE_EQ(drop.h, 0.75);
        EXPECT_EQ(drop.damage, 1);
        ASSERT_NE(drop.srcRect, nullptr);
        EXPECT_EQ(drop.srcRect->w, 100);
        for (int frame = 1; frame < 600; ++frame) {
            ASSERT_FALSE(drop.step(1.0, 0.0, 0.0)) << frame;
        }
        EXPECT_TRUE(drop.step(1.0, 0.0, 0.0));
        EXPECT_DOUBLE_EQ(drop.x, c.dropX);  // it never moves
    }
}
