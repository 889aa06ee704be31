// What every regular enemy kind shares: numbers by level, body, death, waking when shot.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "EnemyTestSupport.hpp"
#include "enemies/Blanky.hpp"
#include "enemies/Butter.hpp"
#include "enemies/Handy.hpp"
#include "enemies/Peanut.hpp"
#include "enemies/Pikaboo.hpp"

namespace {
struct Kind {
    const char* name;
    std::function<std::shared_ptr<Enemigo>(int level)> make;
    int hp[4], score[4], coins;
    double sight[4];
    bool wakesWhenShot;
};
const Kind kKinds[] = {
    {"Blanky",
     [](int l) { return std::make_shared<Blanky>(3, 4, l); },
     {9, 13, 17, 21},
     {0, 50, 100, 150},
     1,
     {10, 10, 10, 10},
     true},
    {"Pikaboo",
     [](int l) { return std::make_shared<Pikaboo>(3, 4, l); },
     {12, 17, 22, 27},
     {0, 100, 200, 300},
     1,
     {10, 10, 10, 10},
     true},
    {"Peanut",
     [](int l) { return std::make_shared<Peanut>(3, 4, l); },
     {10, 12, 14, 16},
     {0, 120, 240, 360},
     1,
     {10, 11, 12, 13},
     false},
    {"Butter",
     [](int l) { return std::make_shared<Butter>(3, 4, 0, 30, l); },
     {12, 16, 20, 24},
     {0, 75, 150, 225},
     1,
     {1000, 1000, 1000, 1000},
     false},
    {"Handy",
     [](int l) { return std::make_shared<Handy>(3, 4, 0, 30, l); },
     {12, 15, 18, 21},
     {0, 150, 300, 450},
     2,
     {10, 10, 10, 10},
     false},
};
}  // namespace

TEST(EnemyKinds, NumbersByLevel) {
    for (const Kind& k : kKinds) {
        for (int level = 0; level < 4; ++level) {
            SCOPED_TRACE(std::string(k.name) + " level " + std::to_string(level));
            auto enemy = k.make(level);
            EXPECT_EQ(enemy->hp, k.hp[level]);
            EXPECT_EQ(enemy->maxHp, k.hp[level]);
            EXPECT_EQ(enemy->score, k.score[level]);
            EXPECT_EQ(enemy->coinValue, k.coins);
            EXPECT_DOUBLE_EQ(enemy->sightRange, k.sight[level]);
        }
    }
    // Behaviour numbers that level scales, with their caps.
    for (int level : {0, 1, 3, 20}) {
        SCOPED_TRACE(level);
        EXPECT_EQ(Blanky(0, 0, level).cycleLength, std::max(500 - 20 * level, 400));
        EXPECT_NEAR(Pikaboo(0, 0, level).speedX, std::min(0.03 + 0.003 * level, 0.06), 1e-12);
        EXPECT_NEAR(Peanut(0, 0, level).shotSpeed, 0.05 * std::pow(0.95, level), 1e-12);
        Handy handy(0, 0, 0, 10, level);
        EXPECT_NEAR(handy.rockAimWidth, std::min(0.8 + 0.15 * level, 1.6), 1e-12);
        EXPECT_NEAR(handy.scissorAcceleration, std::min(0.003 + 0.0001 * level, 0.004), 1e-12);
    }
}

TEST(EnemyKinds, BodyHitsDeathAndWaking) {
    for (const Kind& k : kKinds) {
        SCOPED_TRACE(k.name);
        auto enemy = k.make(0);
        EXPECT_EQ(enemy->w, 1.5);
        EXPECT_EQ(enemy->h, 1.5);
        EXPECT_DOUBLE_EQ(enemy->box2.x, 2.9);
        EXPECT_DOUBLE_EQ(enemy->box2.w, 1.4);
        EXPECT_EQ(enemy->hitbox.x, 3.0);
        EXPECT_EQ(enemy->dstRect->x, -1000);
        EXPECT_EQ(enemy->dstRect->w, 0);
        if (auto* blanky = dynamic_cast<Blanky*>(enemy.get())) {
            blanky->cycleTimer = blanky->cycleLength;  // formed, not dodging
        }
        EXPECT_TRUE(enemy->hitByShot(enemytest::shotInto(enemy->hitbox)));
        EXPECT_EQ(enemy->currentAnimation, "damage");
        EXPECT_EQ(enemy->awake, k.wakesWhenShot);  // Handy shot from afar stays asleep

        for (int tick = 0; tick < 16; ++tick) {  // the damage flash runs out
            enemy->draw(nullptr, 0.0, nullptr);
        }
        enemy->hp = 3;
        EXPECT_TRUE(enemy->hitByShot(enemytest::shotInto(enemy->hitbox, 5)));
        EXPECT_EQ(enemy->hp, -2);
        EXPECT_TRUE(enemy->dying);
        for (int tick = 0; tick < 4 * 16; ++tick) {  // the death animation plays out
            EXPECT_FALSE(enemy->isDead());
            enemy->draw(nullptr, 0.0, nullptr);
        }
        EXPECT_TRUE(enemy->isDead());
    }
}
