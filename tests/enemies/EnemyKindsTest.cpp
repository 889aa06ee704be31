// What every regular enemy kind shares: its numbers by level, its body, its death and whether a
// shot wakes it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "EnemyTestSupport.hpp"
#include "enemies/Blanky.hpp"
#include "enemies/Butter.hpp"
#include "enemies/Handy.hpp"
#include "enemies/Peanut.hpp"
#include "enemies/Pikaboo.hpp"

using enemytest::drawTicks;
using enemytest::shotInto;

namespace {

using Factory = std::function<std::shared_ptr<Enemigo>(double x, double y, int level)>;

struct Kind {
    std::string name;
    Factory make;
    std::string firstAnimation;
    bool wakesWhenShot;
};

const Kind kKinds[] = {
    {"Blanky", [](double x, double y, int l) { return std::make_shared<Blanky>(x, y, l); },
     "idle", true},
    {"Pikaboo", [](double x, double y, int l) { return std::make_shared<Pikaboo>(x, y, l); },
     "idle", true},
    {"Peanut", [](double x, double y, int l) { return std::make_shared<Peanut>(x, y, l); },
     "idle", false},
    {"Butter",
     [](double x, double y, int l) { return std::make_shared<Butter>(x, y, 0.0, 30.0, l); },
     "idle", false},
    {"Handy",
     [](double x, double y, int l) { return std::make_shared<Handy>(x, y, 0.0, 30.0, l); },
     "scissor_idle", false},
};

const Kind& kind(const std::string& name) {
    for (const Kind& k : kKinds) {
        if (k.name == name) {
            return k;
        }
    }
    throw std::invalid_argument(name);
}

struct Numbers {
    const char* kind;
    int level;
    int hp;
    int score;
    int coins;
    double sight;
};

}  // namespace

TEST(EnemyKinds, NumbersGrowWithLevel) {
    const Numbers table[] = {
        {"Blanky", 0, 9, 0, 1, 10.0},      {"Blanky", 1, 13, 50, 1, 10.0},
        {"Blanky", 2, 17, 100, 1, 10.0},   {"Blanky", 3, 21, 150, 1, 10.0},
        {"Pikaboo", 0, 12, 0, 1, 10.0},    {"Pikaboo", 1, 17, 100, 1, 10.0},
        {"Pikaboo", 2, 22, 200, 1, 10.0},  {"Pikaboo", 3, 27, 300, 1, 10.0},
        {"Peanut", 0, 10, 0, 1, 10.0},     {"Peanut", 1, 12, 120, 1, 11.0},
        {"Peanut", 2, 14, 240, 1, 12.0},   {"Peanut", 3, 16, 360, 1, 13.0},
        {"Butter", 0, 12, 0, 1, 1000.0},   {"Butter", 1, 16, 75, 1, 1000.0},
        {"Butter", 2, 20, 150, 1, 1000.0}, {"Butter", 3, 24, 225, 1, 1000.0},
        {"Handy", 0, 12, 0, 2, 10.0},      {"Handy", 1, 15, 150, 2, 10.0},
        {"Handy", 2, 18, 300, 2, 10.0},    {"Handy", 3, 21, 450, 2, 10.0},
    };
    for (const Numbers& row : table) {
        SCOPED_TRACE(std::string(row.kind) + " level " + std::to_string(row.level));
        auto enemy = kind(row.kind).make(3.0, 4.0, row.level);
        EXPECT_EQ(enemy->maxHp, row.hp);
        EXPECT_EQ(enemy->hp, row.hp);
        EXPECT_EQ(enemy->score, row.score);
        EXPECT_EQ(enemy->coinValue, row.coins);
        EXPECT_DOUBLE_EQ(enemy->sightRange, row.sight);
        EXPECT_FALSE(enemy->awake);
    }
}

TEST(EnemyKinds, LevelScaledBehaviourNumbers) {
    struct Row {
        int level;
        int blankyCycle;
        double pikabooSpeed;
        double peanutShotSpeed;
        double rockAimWidth;
        double scissorAcceleration;
    };
    const Row table[] = {
        {0, 500, 0.030, 0.05, 0.80, 0.0030},
        {1, 480, 0.033, 0.0475, 0.95, 0.0031},
        {3, 440, 0.039, 0.05 * 0.95 * 0.95 * 0.95, 1.25, 0.0033},
        {6, 400, 0.048, 0.05 * std::pow(0.95, 6), 1.60, 0.0036},
        {20, 400, 0.060, 0.05 * std::pow(0.95, 20), 1.60, 0.0040},
    };
    for (const Row& row : table) {
        SCOPED_TRACE("level " + std::to_string(row.level));
        EXPECT_EQ(Blanky(0, 0, row.level).cycleLength, row.blankyCycle);
        Pikaboo pikaboo(0, 0, row.level);
        EXPECT_NEAR(pikaboo.speedX, row.pikabooSpeed, 1e-12);
        EXPECT_NEAR(pikaboo.speedY, row.pikabooSpeed, 1e-12);
        EXPECT_NEAR(Peanut(0, 0, row.level).shotSpeed, row.peanutShotSpeed, 1e-12);
        Handy handy(0, 0, 0, 10, row.level);
        EXPECT_NEAR(handy.rockAimWidth, row.rockAimWidth, 1e-12);
        EXPECT_NEAR(handy.scissorAcceleration, row.scissorAcceleration, 1e-12);
    }
}

TEST(EnemyKinds, BodyBoxesAndOffScreenStart) {
    for (const Kind& k : kKinds) {
        SCOPED_TRACE(k.name);
        auto enemy = k.make(3.0, 4.0, 1);
        EXPECT_DOUBLE_EQ(enemy->w, 1.5);
        EXPECT_DOUBLE_EQ(enemy->h, 1.5);
        EXPECT_DOUBLE_EQ(enemy->hitbox.x, 3.0);
        EXPECT_DOUBLE_EQ(enemy->hitbox.y, 4.0);
        EXPECT_DOUBLE_EQ(enemy->hitbox.w, 1.5);
        EXPECT_DOUBLE_EQ(enemy->box2.x, 2.9);
        EXPECT_DOUBLE_EQ(enemy->box2.y, 3.9);
        EXPECT_DOUBLE_EQ(enemy->box2.w, 1.4);
        EXPECT_DOUBLE_EQ(enemy->box2.h, 1.4);
        ASSERT_NE(enemy->dstRect, nullptr);
        EXPECT_EQ(enemy->dstRect->x, -1000);
        EXPECT_EQ(enemy->dstRect->y, -1000);
        EXPECT_EQ(enemy->dstRect->w, 0);
        EXPECT_EQ(enemy->dstRect->h, 0);
        const AnimationInfo& first = enemy->animations.at(k.firstAnimation);
        const AnimationInfo& fallback = enemy->animations.at("default");
        EXPECT_EQ(fallback.sheetX, first.sheetX);
        EXPECT_EQ(fallback.sheetY, first.sheetY);
        EXPECT_EQ(fallback.frames, first.frames);
        EXPECT_EQ(enemy->animations.at("damage").frames, 1);
        EXPECT_EQ(enemy->animations.at("death").frames, 4);
        EXPECT_EQ(enemy->animations.at("death").frameW, 128);
    }
}

TEST(EnemyKinds, KilledEnemyIsRemovedOnlyAfterItsDeathAnimation) {
    std::srand(3);
    for (const Kind& k : kKinds) {
        SCOPED_TRACE(k.name);
        auto enemy = k.make(3.0, 4.0, 0);
        enemy->hp = 3;
        // Blanky dodges late in its cycle; a fresh one takes the hit.
        if (auto* blanky = dynamic_cast<Blanky*>(enemy.get())) {
            blanky->cycleTimer = blanky->cycleLength;
        }
        EXPECT_TRUE(enemy->hitByShot(shotInto(enemy->hitbox, 5)));
        EXPECT_EQ(enemy->hp, -2);
        EXPECT_TRUE(enemy->dying);
        EXPECT_EQ(enemy->currentAnimation, "death");
        // Nothing can touch a dying enemy any more.
        EXPECT_FALSE(enemy->hitByShot(enemytest::shotAt(3.0, 4.0)));
        drawTicks(*enemy, 4 * 16 - 1);
        EXPECT_FALSE(enemy->isDead());
        drawTicks(*enemy, 1);
        EXPECT_TRUE(enemy->isDead());
    }
}

TEST(EnemyKinds, OnlyBlankyAndPikabooWakeWhenShotFromAfar) {
    for (const Kind& k : kKinds) {
        SCOPED_TRACE(k.name);
        auto enemy = k.make(3.0, 4.0, 1);
        if (auto* blanky = dynamic_cast<Blanky*>(enemy.get())) {
            blanky->cycleTimer = blanky->cycleLength;
        }
        EXPECT_TRUE(enemy->hitByShot(shotInto(enemy->hitbox)));
        EXPECT_EQ(enemy->hp, enemy->maxHp - 1);
        EXPECT_EQ(enemy->currentAnimation, "damage");
        EXPECT_EQ(enemy->awake, k.wakesWhenShot);
    }
}
