// What every regular enemy kind shares: body, death, waking when shot.
#include <gtest/gtest.h>

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
    std::function<std::shared_ptr<Enemigo>()> make;
    bool wakesWhenShot;
};
const Kind kKinds[] = {
    {"Blanky", [] { return std::make_shared<Blanky>(3, 4, 0); }, true},
    {"Pikaboo", [] { return std::make_shared<Pikaboo>(3, 4, 0); }, true},
    {"Peanut", [] { return std::make_shared<Peanut>(3, 4, 0); }, false},
    {"Butter", [] { return std::make_shared<Butter>(3, 4, 0, 30, 0); }, false},
    {"Handy", [] { return std::make_shared<Handy>(3, 4, 0, 30, 0); }, false},
};
}  // namespace

// A blow that kills while the "damage" flash of the previous hit still plays must show the whole
// death, and nothing hits or touches the dying body.
TEST(EnemyKinds, BodyHitsDeathAndWaking) {
    for (const Kind& k : kKinds) {
        SCOPED_TRACE(k.name);
        auto enemy = k.make();
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

        enemy->draw(nullptr, 0.0, nullptr);
        enemy->hp = 3;
        const WorldRect body = enemy->hitbox;
        EXPECT_TRUE(enemy->hitByShot(enemytest::shotInto(body, 5)));
        EXPECT_EQ(enemy->hp, -2);
        EXPECT_TRUE(enemy->dying);
        EXPECT_EQ(enemy->currentAnimation, "death");
        EXPECT_DOUBLE_EQ(enemy->hitbox.x, 5000.0);
        EXPECT_DOUBLE_EQ(enemy->box2.x, 5000.0);
        EXPECT_FALSE(enemy->hitByShot(enemytest::shotInto(body)));
        EXPECT_EQ(enemy->hp, -2);
        for (int tick = 0; tick < 4 * 16; ++tick) {  // the death animation plays out
            EXPECT_FALSE(enemy->isDead());
            enemy->draw(nullptr, 0.0, nullptr);
        }
        EXPECT_TRUE(enemy->isDead());
    }
}
