#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "EnemyTestSupport.hpp"
#include "enemies/Peanut.hpp"
#include "scene/Escena.hpp"

using enemytest::playerAt;
using enemytest::SoundLog;

namespace {
// Peanut at (10, 5) is centred on (10.75, 5.75).
constexpr double kCentreX = 10.75;
constexpr double kCentreY = 5.75;

// A player rectangle of the usual size centred on (cx, cy).
WorldRect playerCentredOn(double cx, double cy) { return playerAt(cx - 0.5, cy - 0.75); }

// The shot of one lob at a player centred on (cx, cy).
std::shared_ptr<Disparo> lobAt(int level, double cx, double cy) {
    Escena scene(30.0, 9.0);
    Peanut peanut(10.0, 5.0, level);
    peanut.shotTimer = peanut.shotInterval - 33;
    peanut.update(playerCentredOn(cx, cy), scene);
    return scene.enemyShots.empty() ? nullptr : scene.enemyShots.front();
}
}  // namespace

TEST(Peanut, FiresOnceEvery151UpdatesWithThePlayerInRange) {
    SoundLog sounds;
    Escena scene(30.0, 9.0);
    Peanut peanut(10.0, 5.0, 1);
    std::vector<int> shootStarts, shots;
    for (int update = 0; update < 3 * 151; ++update) {
        const size_t before = scene.enemyShots.size();
        const int timerBefore = peanut.shotTimer;
        peanut.update(playerAt(15.0, 7.0), scene);
        peanut.draw(nullptr, 0.0, nullptr);
        if (timerBefore == 0) {
            shootStarts.push_back(update);
        }
        if (scene.enemyShots.size() > before) {
            shots.push_back(update);
        }
    }
    EXPECT_EQ(shootStarts, (std::vector<int>{0, 151, 302}));
    EXPECT_EQ(shots, (std::vector<int>{34, 185, 336}));
    EXPECT_EQ(sounds.count("shootPeanut"), 3);
    EXPECT_DOUBLE_EQ(peanut.x, 10.0);  // it never moves
    EXPECT_DOUBLE_EQ(peanut.hitbox.x, 10.0);
}

TEST(Peanut, WaitsReadyWhileThePlayerIsOutOfRange) {
    Escena scene(60.0, 9.0);
    Peanut peanut(10.0, 5.0, 1);  // sees 11 units at level 1
    for (int update = 0; update < 300; ++update) {
        peanut.update(playerAt(23.0, 5.0), scene);
    }
    EXPECT_EQ(peanut.shotTimer, 0);
    EXPECT_NE(peanut.currentAnimation, "shoot");
    peanut.update(playerAt(21.0, 5.0), scene);  // nearest point 10.25 from its centre
    EXPECT_EQ(peanut.currentAnimation, "shoot");
    EXPECT_EQ(peanut.shotTimer, 150);
}

TEST(Peanut, LobLaunchSpeedByWhereThePlayerStands) {
    const double speed1 = 0.05 * 0.95;
    struct Case {
        const char* where;
        int level;
        double cx, cy;
        double vx, vy;
    };
    const Case cases[] = {
        {"level, to the right", 1, kCentreX + 5.0, kCentreY, speed1,
         -(5.0 / speed1) * 0.001 / 2.0},
        {"level, to the left", 1, kCentreX - 5.0, kCentreY, -speed1,
         -(5.0 / speed1) * 0.001 / 2.0},
        {"level but far: flattened at -0.1", 0, kCentreX + 14.0, kCentreY, 0.05, -0.1},
        {"a little below", 0, kCentreX + 4.0, kCentreY + 1.0, 0.05, 1.0 / 80.0 - 0.04},
        {"steeply below: capped at 0.1", 0, kCentreX + 0.5, kCentreY + 3.0, 0.05, 0.1},
        {"straight below", 1, kCentreX, kCentreY + 3.0, speed1, 0.1},
        {"straight above", 1, kCentreX, kCentreY - 3.0, speed1, -0.1},
        {"on its very centre", 1, kCentreX, kCentreY, speed1, -0.1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        auto shot = lobAt(c.level, c.cx, c.cy);
        ASSERT_NE(shot, nullptr);
        EXPECT_NEAR(shot->vx, c.vx, 1e-12);
        EXPECT_NEAR(shot->vy, c.vy, 1e-12);
        EXPECT_DOUBLE_EQ(shot->ax, 0.0);
        EXPECT_DOUBLE_EQ(shot->ay, 0.001);
        EXPECT_DOUBLE_EQ(shot->x, kCentreX);
        EXPECT_DOUBLE_EQ(shot->y, kCentreY);
        EXPECT_DOUBLE_EQ(shot->range, 15.0);
        EXPECT_EQ(shot->lifetime, -1);
        EXPECT_DOUBLE_EQ(shot->w, 0.5);
        ASSERT_NE(shot->srcRect, nullptr);
        EXPECT_EQ(shot->srcRect->h, 100);
    }
}

TEST(Peanut, LevelLobComesDownLevelWithThePlayer) {
    for (int level : {0, 1, 3}) {
        SCOPED_TRACE("level " + std::to_string(level));
        const double target = kCentreX + 6.0;
        auto shot = lobAt(level, target, kCentreY);
        ASSERT_NE(shot, nullptr);
        double highest = shot->y;
        int frames = 0;
        while (shot->x < target && frames < 1000) {
            shot->step(1.0, 0.0, 0.0);
            highest = std::min(highest, shot->y);
            ++frames;
        }
        EXPECT_LT(highest, kCentreY - 0.5);  // it arcs
        EXPECT_NEAR(shot->y, kCentreY, 0.1);  // and lands level
    }
}
