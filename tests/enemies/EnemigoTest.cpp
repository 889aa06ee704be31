#include "enemies/Enemigo.hpp"

#include <gtest/gtest.h>

#include "actors/Disparo.hpp"
#include "enemies/Butter.hpp"

namespace {

std::shared_ptr<Disparo> shotAt(const Enemigo& e, int damage) {
    return std::make_shared<Disparo>(0.0, 0.0, 0.0, 0.0, damage, e.hitbox.x, e.hitbox.y, nullptr,
                                     15.0, std::nullopt, -1, 0.0, 0.5, 0.5);
}

int ticksUntilRemoved(Enemigo& e) {
    int ticks = 0;
    while (!e.isDead() && ticks < 1000) {
        e.draw(nullptr, 0.0, nullptr);
        ++ticks;
    }
    return ticks;
}

// A blow that kills while the "damage" flash of the previous hit still plays must show the
// whole death, not remove the enemy at once.
TEST(Enemigo, AKillDuringTheDamageFlashStillPlaysTheWholeDeath) {
    Butter butter(5.0, 7.4, 0.0, 20.0, 1);  // 16 health
    ASSERT_TRUE(butter.hitByShot(shotAt(butter, 10)));
    EXPECT_EQ(butter.currentAnimation, "damage");
    butter.draw(nullptr, 0.0, nullptr);
    const WorldRect where = butter.hitbox;
    auto killing = std::make_shared<Disparo>(0.0, 0.0, 0.0, 0.0, 10, where.x, where.y, nullptr,
                                             15.0, std::nullopt, -1, 0.0, 0.5, 0.5);
    ASSERT_TRUE(butter.hitByShot(killing));
    EXPECT_TRUE(butter.dying);
    EXPECT_EQ(butter.currentAnimation, "death");
    EXPECT_FALSE(butter.isDead());
    EXPECT_EQ(ticksUntilRemoved(butter), 4 * 16);
}

TEST(Enemigo, ADyingEnemyCannotBeHitOrTouched) {
    Butter butter(3.0, 7.4, 0.0, 20.0, 0);  // 12 health
    const WorldRect before = butter.hitbox;
    ASSERT_TRUE(butter.hitByShot(shotAt(butter, 50)));
    EXPECT_DOUBLE_EQ(butter.hitbox.x, 5000.0);
    EXPECT_DOUBLE_EQ(butter.box2.x, 5000.0);
    auto late = std::make_shared<Disparo>(0.0, 0.0, 0.0, 0.0, 1, before.x, before.y, nullptr, 15.0,
                                          std::nullopt, -1, 0.0, 0.5, 0.5);
    EXPECT_FALSE(butter.hitByShot(late));
    EXPECT_EQ(butter.hp, 12 - 50);
}

}  // namespace
