#include "actors/Prota.hpp"

#include <SDL_mouse.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "actors/Disparo.hpp"
#include "app/Platform.hpp"
#include "render/Audio.hpp"

namespace {

constexpr std::uint8_t R = Prota::kKeyRight;
constexpr std::uint8_t L = Prota::kKeyLeft;
constexpr std::uint8_t J = Prota::kKeyJump;
constexpr std::uint8_t D = Prota::kKeyDuck;
constexpr std::uint8_t X = Prota::kKeyDash;

constexpr double kFloor = 8.9;
constexpr double kEps = 1e-9;

// Plays the player frame by frame the way a level does: input and movement, then a floor at
// y 8.9 to land on, then the animation choice and one drawn tick. Records the sounds played.
class ProtaPlay : public ::testing::Test {
protected:
    ProtaPlay() {
        audio::setSoundListener([this](const std::string& key) { sounds.push_back(key); });
    }
    ~ProtaPlay() override { audio::setSoundListener(nullptr); }

    void frame(std::uint8_t keys) {
        p.keys = keys;
        p.update(shots, aimX, aimY);
        if (p.y + p.h >= kFloor) {
            p.land(kFloor);
        } else if (p.vy == 0.0 && !p.airborne) {
            p.startFalling();
        }
        p.updateAnimation(false);
        p.draw(nullptr, 0.0, nullptr);
    }
    void frames(int n, std::uint8_t keys) {
        for (int i = 0; i < n; ++i) {
            frame(keys);
        }
    }
    // Left edge of the body: while dashing right the wide sprite starts one body further left.
    double bodyX() const { return p.x + (p.dashShifted ? p.bodyWidth : 0.0); }
    int count(const std::string& key) const {
        int n = 0;
        for (const auto& s : sounds) {
            n += s == key ? 1 : 0;
        }
        return n;
    }

    ScriptedPlatform mouse;
    ScopedPlatform guard{mouse};
    Prota::ShotList shots;
    Prota p{WorldRect{5.0, 6.9, 1.0, 2.0}, true, 0};
    double aimX = 20.0;
    double aimY = 7.9;
    std::vector<std::string> sounds;
};

// ---- Dashing -------------------------------------------------------------------------------

TEST_F(ProtaPlay, DashCannotStartFromStandstillDuckingInTheAirOrWithTheButtonHeld) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> play;
        bool dashes;
    };
    const Case cases[] = {
        {"walking (control)", {R, R | X}, true},           {"standstill", {0, X}, false},
        {"ducking", {R, R | D, R | D | X}, false},         {"in the air", {R | J, R, R | X}, false},
        {"button held before walking", {X, X | R}, false},
    };
    for (const Case& c : cases) {
        p.resetForScene(WorldRect{5.0, 6.9, 1.0, 2.0});
        for (std::uint8_t keys : c.play) {
            frame(keys);
        }
        EXPECT_EQ(p.dashing, c.dashes) << c.name;
    }
}

// ---- Being hurt ----------------------------------------------------------------------------

TEST(ProtaHealth, StartingHealthByModeAndDifficulty) {
    struct Case {
        bool infinite;
        int difficulty;
        int maxHp;
        int hp;
    };
    const Case cases[] = {{true, 0, 5, 5},    {true, 1, 5, 5},   {true, 2, 3, 3},
                          {true, 3, 1, 1},    {false, 0, 4, 1},  {false, 1, 4, 1},
                          {false, 2, 2, 1},   {false, 3, 0, -1}, {true, 4, 20, 20},
                          {false, -1, 20, 20}};
    for (const Case& c : cases) {
        const Prota p(WorldRect{0, 0, 1, 2}, c.infinite, c.difficulty);
        EXPECT_EQ(p.maxHp, c.maxHp) << c.infinite << " " << c.difficulty;
        EXPECT_EQ(p.hp, c.hp) << c.infinite << " " << c.difficulty;
    }
}

TEST_F(ProtaPlay, InvulnerabilitySwallowsFurtherHitsFor200Frames) {
    const WorldRect enemy{4.5, 7.5, 1.0, 1.0};
    const auto shot = std::make_shared<Disparo>(0, 0, 0, 0, 4, 5.2, 7.5, nullptr, 15.0,
                                                std::nullopt, -1, 0.0, 0.5, 0.5);
    ASSERT_TRUE(p.hitByRect(enemy));
    EXPECT_EQ(p.hp, 4);
    EXPECT_EQ(p.sheetAlpha, 128);
    // Several contacts and a shot in the same frame: only the first counted.
    EXPECT_FALSE(p.hitByRect(enemy));
    EXPECT_FALSE(p.hitByRect(enemy));
    EXPECT_FALSE(p.hitByShot(shot));
    EXPECT_EQ(p.hp, 4);
    frames(199, 0);
    EXPECT_FALSE(p.hitByRect(enemy));
    EXPECT_EQ(p.sheetAlpha, 128);
    frame(0);
    EXPECT_EQ(p.sheetAlpha, 255);
    EXPECT_TRUE(p.hitByShot(shot));  // a shot costs one heart whatever its damage
    EXPECT_EQ(p.hp, 3);
}

TEST_F(ProtaPlay, DuckingAndDashingDodge) {
    const WorldRect headHigh{5.2, 7.3, 0.5, 0.3};
    ASSERT_TRUE(p.touches(headHigh));
    frame(D);
    EXPECT_FALSE(p.touches(headHigh));
    frame(R);
    frame(R | X);
    EXPECT_FALSE(p.hitByRect(WorldRect{0.0, 0.0, 40.0, 12.0}));
    EXPECT_EQ(p.hp, 5);
}

// ---- Run totals and upgrades ---------------------------------------------------------------

TEST(ProtaUpgrades, EachUpgradeStopsAtItsCap) {
    Prota p(WorldRect{0, 0, 1, 2}, true, 0);
    std::vector<int> delays;
    for (int i = 0; i < 6; ++i) {
        delays.push_back(p.fireDelay);
        p.upgradeFireRate();
    }
    EXPECT_EQ(delays, (std::vector<int>{50, 42, 35, 29, 25, 25}));

    for (int i = 0; i < 10; ++i) {
        p.upgradeRange();
    }
    EXPECT_DOUBLE_EQ(p.shotRange, 12.0);

    for (int i = 0; i < 5; ++i) {
        p.upgradeDamage();
    }
    EXPECT_EQ(p.shotDamage, 5);

    p.upgradeSpeed();
    EXPECT_NEAR(p.walkSpeed, 0.08, kEps);
    p.walkSpeed = 1.6;
    p.upgradeSpeed();
    EXPECT_DOUBLE_EQ(p.walkSpeed, 1.6);

    p.addCoins(98);
    p.addCoins(5);
    EXPECT_EQ(p.coins, 99);
}

}  // namespace
