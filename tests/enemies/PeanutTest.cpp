#include <gtest/gtest.h>

#include <vector>

#include "EnemyTestSupport.hpp"
#include "enemies/Peanut.hpp"
#include "scene/Escena.hpp"

using enemytest::playerCentredOn;

TEST(Peanut, LobsOnceEvery151UpdatesWhileThePlayerIsInRange) {
    enemytest::SoundLog sounds;
    Escena scene(40.0, 9.0);
    Peanut peanut(10.0, 5.0, 1);  // sees 11 units at level 1
    std::vector<int> shots;
    for (int update = 0; update < 3 * 151; ++update) {
        const size_t before = scene.enemyShots.size();
        peanut.update(playerCentredOn(update < 302 ? 15.0 : 23.0, 6.0), scene);
        peanut.draw(nullptr, 0.0, nullptr);
        if (update == 0) {
            EXPECT_EQ(peanut.currentAnimation, "shoot");
        }
        if (scene.enemyShots.size() > before) {
            shots.push_back(update);
        }
    }
    // From update 302 the player stands 11.75 away: Peanut waits, ready.
    EXPECT_EQ(shots, (std::vector<int>{34, 185}));
    EXPECT_EQ(sounds.count("shootPeanut"), 2);
    EXPECT_EQ(peanut.shotTimer, 0);
    EXPECT_EQ(peanut.x, 10.0);
    EXPECT_EQ(peanut.hitbox.x, 10.0);
}

TEST(Peanut, LaunchSpeedByWhereThePlayerStands) {
    // Peanut at (10, 5) is centred on (10.75, 5.75).
    const double s1 = 0.05 * 0.95;
    const struct {
        const char* where;
        int level;
        double dx, dy, vx, vy;
    } cases[] = {
        {"level, right", 1, 5.0, 0.0, s1, -(5.0 / s1) * 0.001 / 2.0},
        {"level, left", 1, -5.0, 0.0, -s1, -(5.0 / s1) * 0.001 / 2.0},
        {"level but far: flattened", 0, 14.0, 0.0, 0.05, -0.1},
        {"a little below", 0, 4.0, 1.0, 0.05, 1.0 / 80.0 - 0.04},
        {"steeply below: capped", 0, 0.5, 3.0, 0.05, 0.1},
        {"straight below", 1, 0.0, 3.0, s1, 0.1},
        {"straight above", 1, 0.0, -3.0, s1, -0.1},
        {"on its very centre", 1, 0.0, 0.0, s1, -0.1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        Escena scene(30.0, 9.0);
        Peanut peanut(10.0, 5.0, c.level);
        peanut.shotTimer = 117;  // 34 updates into "shoot"
        peanut.update(playerCentredOn(10.75 + c.dx, 5.75 + c.dy), scene);
        ASSERT_EQ(scene.enemyShots.size(), 1u);
        const Disparo& shot = *scene.enemyShots[0];
        EXPECT_NEAR(shot.vx, c.vx, 1e-12);
        EXPECT_NEAR(shot.vy, c.vy, 1e-12);
        EXPECT_EQ(shot.ay, 0.001);
        EXPECT_EQ(shot.x, 10.75);
        EXPECT_EQ(shot.y, 5.75);
        EXPECT_EQ(shot.range, 15.0);
        EXPECT_EQ(shot.w, 0.5);
    }
}
