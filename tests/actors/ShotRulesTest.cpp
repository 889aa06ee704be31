// The rules every combatant shares: how a projectile flies and expires, and how an enemy takes
// a hit and dies.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "actors/Disparo.hpp"
#include "enemies/Enemigo.hpp"

namespace {

std::shared_ptr<Disparo> shotAt(double x, double y, double vx, double vy, double ay, int damage,
                                double range, int lifetime) {
    return std::make_shared<Disparo>(vx, vy, 0.0, ay, damage, x, y, nullptr, range,
                                     SDL_Rect{0, 0, 100, 100}, lifetime, 0.0, 0.5, 0.5);
}

// Returns the step (1-based) in which the shot asked to be removed, or 0 if it never did.
int stepsUntilRemoved(Disparo& shot, int limit) {
    for (int i = 1; i <= limit; ++i) {
        if (shot.step(40.0, 0.0, 0.0)) {
            return i;
        }
    }
    return 0;
}

// A minimal enemy kind: a 1 × 1 body at (10, 5) with the regular kinds' four-frame death.
class TrainingDummy : public Enemigo {
public:
    explicit TrainingDummy(int health) {
        ensureDstRect();
        x = 10.0;
        y = 5.0;
        w = 1.0;
        h = 1.0;
        addAnimation("idle", 2, 0, 0, 10, 10, 16, true, false);
        addAnimation("damage", 2, 0, 10, 10, 10, 8, false, false);
        addAnimation("death", 4, 0, 20, 10, 10, 16, false, false);
        maxHp = hp = health;
        updateHitboxes();
    }
    bool update(WorldRect, World&) override { return false; }
};

}  // namespace

TEST(ShotFlight, RangeAndLifetimeDecideWhenAShotIsRemoved) {
    struct Case {
        const char* name;
        double vx;
        double vy;
        double range;
        int lifetime;
        int removedAt;
    };
    const Case cases[] = {
        {"fast shot, range 5", 0.5, 0.0, 5.0, -1, 10},
        {"diagonal shot 3-4-5", 0.75, -1.0, 5.0, -1, 4},
        {"butter drop stands still for its lifetime", 0.0, 0.0, 15.0, 600, 600},
        {"lifetime ends before the range", 0.5, 0.0, 15.0, 4, 4},
    };
    for (const Case& c : cases) {
        auto shot = shotAt(3.0, 4.0, c.vx, c.vy, 0.0, 1, c.range, c.lifetime);
        EXPECT_EQ(stepsUntilRemoved(*shot, 5000), c.removedAt) << c.name;
    }
}

TEST(EnemyHit, ShotTouchingTheHitboxEdgeHits) {
    struct Case {
        const char* name;
        double x;
        double y;
        bool hits;
    };
    const Case cases[] = {
        {"right edge on the left side", 9.5, 5.2, true},
        {"left edge on the right side", 11.0, 5.2, true},
        {"bottom edge on the top", 10.2, 4.5, true},
        {"a hair to the left", 9.49, 5.2, false},
        {"a hair below", 10.2, 6.01, false},
    };
    for (const Case& c : cases) {
        TrainingDummy dummy(3);
        EXPECT_EQ(dummy.hitByShot(shotAt(c.x, c.y, 0, 0, 0, 1, 15.0, -1)), c.hits) << c.name;
        EXPECT_EQ(dummy.hp, c.hits ? 2 : 3) << c.name;
        EXPECT_EQ(dummy.currentAnimation, c.hits ? "damage" : "default") << c.name;
    }
}
