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
#include "scene/Escena.hpp"

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
        p.update(scene, aimX, aimY);
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
    Escena scene{32.0, 12.0};
    Prota p{WorldRect{5.0, 6.9, 1.0, 2.0}, true, 0};
    double aimX = 20.0;
    double aimY = 7.9;
    std::vector<std::string> sounds;
};

// ---- Moving --------------------------------------------------------------------------------

TEST_F(ProtaPlay, JumpRisesFourPointOneInFortyFramesThenFallsBackToTheFloor) {
    const double ground = p.y;
    frame(J);
    frames(39, 0);
    EXPECT_NEAR(ground - p.y, 4.1, kEps);
    const double apex = p.y;
    frame(0);
    EXPECT_NEAR(p.y, apex, 1e-6);  // the top of the arc
    frame(0);
    EXPECT_GT(p.y, apex + 0.004);  // and falling
    int guardFrames = 0;
    while (p.airborne && guardFrames++ < 200) {
        frame(0);
    }
    EXPECT_FALSE(p.airborne);
    EXPECT_NEAR(p.y, ground, kEps);
    EXPECT_EQ(p.vy, 0.0);
}

// ---- Dashing -------------------------------------------------------------------------------

TEST_F(ProtaPlay, FullDashCoversFourPointFourEightThenWalksOn) {
    for (const std::uint8_t dir : {R, L}) {
        const double sign = dir == R ? 1.0 : -1.0;
        p.resetForScene(WorldRect{10.0, 6.9, 1.0, 2.0});
        p.dashCooldown = 0;
        sounds.clear();
        frame(dir);
        const double start = bodyX();
        frame(dir | X);
        ASSERT_TRUE(p.dashing);
        EXPECT_EQ(count("dash"), 1);
        frames(31, dir);
        EXPECT_TRUE(p.dashing);
        EXPECT_DOUBLE_EQ(p.w, 2.0);
        EXPECT_NEAR(sign * (bodyX() - start), 4.48, kEps);
        frame(dir);  // the 33rd update ends the dash before moving
        EXPECT_FALSE(p.dashing);
        EXPECT_DOUBLE_EQ(p.w, 1.0);
        EXPECT_DOUBLE_EQ(p.vx, sign * 0.07);
        EXPECT_NEAR(sign * (p.x - start), 4.48 + 0.07, kEps);
    }
}

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

// ---- Shooting ------------------------------------------------------------------------------

TEST_F(ProtaPlay, ShotStartsAlongTheAimAndFliesAtShotSpeed) {
    // Centre (5.5, 7.9); aim 3 right and 4 down: direction (0.6, 0.8).
    p.shoot(scene, 8.5, 11.9);
    ASSERT_EQ(scene.playerShots.size(), 1u);
    const Disparo& s = *scene.playerShots[0];
    EXPECT_NEAR(s.x, 5.5 + 0.9 - 0.25, kEps);
    EXPECT_NEAR(s.y, 7.9 + 1.2 - 0.25, kEps);
    EXPECT_NEAR(s.vx, 0.06, kEps);
    EXPECT_NEAR(s.vy, 0.08, kEps);
    EXPECT_EQ(s.ax, 0.0);
    EXPECT_EQ(s.damage, 2);
    EXPECT_DOUBLE_EQ(s.range, 5.0);
    EXPECT_EQ(s.lifetime, -1);
    EXPECT_DOUBLE_EQ(s.w, 0.5);
    ASSERT_NE(s.srcRect, nullptr);
    EXPECT_EQ(s.srcRect->w, 100);
    EXPECT_EQ(p.shotCooldown, 50);
    EXPECT_EQ(count("shootProta"), 0);  // the caller plays the sound
}

TEST_F(ProtaPlay, HoldingTheButtonFiresOncePerCooldown) {
    struct Case {
        int upgrades;
        std::vector<int> shotFrames;
    };
    // A shot resets the cooldown to fireDelay; it fires again once fireDelay frames counted it
    // back to 0, so shots come every fireDelay + 1 frames.
    const Case cases[] = {{0, {1, 52, 103, 154}}, {1, {1, 44, 87, 130}}};
    for (const Case& c : cases) {
        Prota shooter(WorldRect{5.0, 6.9, 1.0, 2.0}, true, 0);
        for (int i = 0; i < c.upgrades; ++i) {
            shooter.upgradeFireRate();
        }
        Escena range(32.0, 12.0);
        sounds.clear();
        mouse.buttons = SDL_BUTTON(SDL_BUTTON_LEFT);
        std::vector<int> fired;
        for (int f = 1; f <= 160; ++f) {
            const std::size_t before = range.playerShots.size();
            shooter.update(range, aimX, aimY);
            if (range.playerShots.size() > before) {
                fired.push_back(f);
            }
        }
        EXPECT_EQ(fired, c.shotFrames);
        EXPECT_EQ(count("shootProta"), static_cast<int>(c.shotFrames.size()));
    }
    mouse.buttons = SDL_BUTTON(SDL_BUTTON_RIGHT);  // the dash button does not fire
    frames(100, 0);
    EXPECT_TRUE(scene.playerShots.empty());
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

    p.addScore(99990);
    p.addScore(50);
    EXPECT_EQ(p.score, 99999);
    p.addCoins(98);
    p.addCoins(5);
    EXPECT_EQ(p.coins, 99);
}

}  // namespace
