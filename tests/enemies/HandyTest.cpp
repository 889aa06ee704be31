#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "EnemyTestSupport.hpp"
#include "enemies/Handy.hpp"
#include "scene/Escena.hpp"

using enemytest::playerAt;
using enemytest::SoundLog;
using Form = Handy::Form;

namespace {
// A level-1 Handy in the given form, past its transformation and ready to act.
Handy actingHandy(Form form, double x = 10.0, double y = 4.0, double minX = 0.0,
                  double maxX = 30.0) {
    Handy handy(x, y, minX, maxX, 1);
    handy.form = form;
    handy.formTimer = 499;
    return handy;
}

WorldRect playerCentredOn(double cx, double cy) { return playerAt(cx - 0.5, cy - 0.75); }
}  // namespace

TEST(Handy, FirstFormIsRockOrScissorsNeverPaper) {
    int rocks = 0, scissors = 0;
    for (unsigned seed = 1; seed <= 200; ++seed) {
        std::srand(seed);
        Handy handy(10.0, 4.0, 0.0, 30.0, 1);
        ASSERT_NE(handy.form, Form::Paper) << seed;
        if (handy.form == Form::Rock) {
            ++rocks;
            EXPECT_EQ(handy.currentAnimation, "rock");
        } else {
            ++scissors;
            EXPECT_EQ(handy.currentAnimation, "scissor");
        }
    }
    EXPECT_GT(rocks, 50);
    EXPECT_GT(scissors, 50);
}

TEST(Handy, NeverPicksTheSameFormTwiceInARow) {
    std::srand(21);
    Escena scene(30.0, 9.0);
    Handy handy(10.0, 4.0, 0.0, 30.0, 1);
    int fromRockToPaper = 0, fromRockToScissors = 0;
    for (int draw = 0; draw < 3000; ++draw) {
        handy.formTimer = 0;
        handy.busy = false;
        const Form before = handy.form;
        handy.update(playerAt(20.0, 4.0), scene);
        ASSERT_NE(handy.form, before) << draw;
        ASSERT_EQ(handy.currentAnimation, "trans");
        ASSERT_EQ(handy.formTimer, 549);
        if (before == Form::Rock) {
            (handy.form == Form::Paper ? fromRockToPaper : fromRockToScissors) += 1;
        }
    }
    // From rock, a rock draw is moved on to scissors: roughly 1/3 paper, 2/3 scissors.
    const double paperShare =
        static_cast<double>(fromRockToPaper) / (fromRockToPaper + fromRockToScissors);
    EXPECT_NEAR(paperShare, 1.0 / 3.0, 0.08);
}

TEST(Handy, FirstFiftyFramesAreIdleThenTheFormActs) {
    const struct {
        Form form;
        const char* shown;
        const char* attack;
    } cases[] = {{Form::Rock, "rock", "rock_atk"}, {Form::Scissors, "scissor", "shoot"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        Escena scene(30.0, 9.0);
        Handy handy(10.0, 4.0, 0.0, 30.0, 1);
        handy.form = c.form;
        handy.currentAnimation = "trans";
        const WorldRect player = playerAt(14.0, 4.0);
        for (int update = 0; update <= 50; ++update) {
            handy.update(player, scene);
            ASSERT_FALSE(handy.busy) << update;
            ASSERT_DOUBLE_EQ(handy.x, 10.0);
            ASSERT_DOUBLE_EQ(handy.y, 4.0);
        }
        EXPECT_EQ(handy.currentAnimation, c.shown);
        handy.update(player, scene);
        EXPECT_TRUE(handy.busy);
        EXPECT_EQ(handy.currentAnimation, c.attack);
        EXPECT_TRUE(scene.enemyShots.empty());
    }
}

TEST(Handy, RockRisesSlamsAndDropsARockOnThePlayer) {
    SoundLog sounds;
    Escena scene(30.0, 9.0);
    scene.y = 1.0;
    Handy handy = actingHandy(Form::Rock);
    const WorldRect player = playerAt(3.0, 8.4);

    handy.update(player, scene);
    EXPECT_TRUE(handy.busy);
    EXPECT_EQ(handy.currentAnimation, "rock_atk");
    EXPECT_DOUBLE_EQ(handy.y, 4.0);
    for (int frame = 1; frame <= 37; ++frame) {
        const double before = handy.y;
        handy.update(player, scene);
        ASSERT_NEAR(handy.y, before - 0.08 / 3.0, 1e-12) << frame;
    }
    for (int frame = 38; frame <= 50; ++frame) {
        const double before = handy.y;
        handy.update(player, scene);
        ASSERT_NEAR(handy.y, before + 0.08, 1e-12) << frame;
        ASSERT_TRUE(handy.busy);
    }
    EXPECT_TRUE(scene.enemyShots.empty());

    handy.update(player, scene);  // frame 51: timer at 130
    EXPECT_FALSE(handy.busy);
    EXPECT_DOUBLE_EQ(handy.y, 4.0);
    EXPECT_EQ(handy.currentAnimation, "rock");
    EXPECT_TRUE(handy.flipped);
    EXPECT_EQ(sounds.count("shootHandyRock"), 1);
    ASSERT_EQ(scene.enemyShots.size(), 1u);
    Disparo& rock = *scene.enemyShots[0];
    EXPECT_DOUBLE_EQ(rock.x, player.centerX() - 0.95 / 2.0);
    EXPECT_DOUBLE_EQ(rock.y, 1.0);
    EXPECT_DOUBLE_EQ(rock.vx, 0.0);
    EXPECT_DOUBLE_EQ(rock.vy, 0.05);
    EXPECT_DOUBLE_EQ(rock.ay, 0.002);
    EXPECT_DOUBLE_EQ(rock.range, 1.0 + 9.0 - 1.0);
    EXPECT_EQ(rock.lifetime, -1);
    EXPECT_EQ(rock.srcRect, nullptr);
    EXPECT_DOUBLE_EQ(rock.w, 1.0);

    bool struckPlayer = false;
    while (!rock.step(1.0, 0.0, 0.0)) {
        struckPlayer = struckPlayer || overlaps(rock.rect(), player);
    }
    EXPECT_TRUE(struckPlayer);

    for (int frame = 52; frame < 181; ++frame) {
        handy.update(player, scene);
        ASSERT_FALSE(handy.busy) << frame;
    }
    handy.update(player, scene);  // the next attack, 181 frames after the first
    EXPECT_TRUE(handy.busy);
}

TEST(Handy, ScissorsThrowTwiceThenKeepsItsDistance) {
    SoundLog sounds;
    Escena scene(40.0, 9.0);
    Handy handy = actingHandy(Form::Scissors);
    const WorldRect player = playerCentredOn(25.75, 4.75);  // 15 to the right, level

    std::vector<int> throws;
    for (int frame = 0; frame <= 180; ++frame) {
        const size_t before = scene.enemyShots.size();
        handy.update(player, scene);
        if (scene.enemyShots.size() > before) {
            throws.push_back(frame);
        }
        if (frame < 76) {
            ASSERT_TRUE(handy.busy) << frame;
        }
    }
    EXPECT_EQ(throws, (std::vector<int>{51, 76}));  // its timer at 130 and 105
    EXPECT_EQ(sounds.count("shootHandyScissors"), 2);
    EXPECT_FALSE(handy.busy);
    EXPECT_EQ(handy.currentAnimation, "scissor");
    // From frame 77 it walked towards the player, 0.02 a frame, still more than 8 units away.
    EXPECT_NEAR(handy.x, 10.0 + 0.02 * 104, 1e-9);
    handy.update(player, scene);
    EXPECT_TRUE(handy.busy);

    const Disparo& first = *scene.enemyShots[0];
    EXPECT_NEAR(first.vx, 0.007, 1e-12);
    EXPECT_NEAR(first.vy, 0.0, 1e-12);
    EXPECT_NEAR(first.ax, 0.0031, 1e-12);
    EXPECT_DOUBLE_EQ(first.x, 10.75);
    EXPECT_DOUBLE_EQ(first.y, 4.75);
    EXPECT_DOUBLE_EQ(first.range, 15.0);
    EXPECT_EQ(first.srcRect, nullptr);
    EXPECT_DOUBLE_EQ(first.w, 1.0);
    EXPECT_DOUBLE_EQ(first.angle, 45.0);
}

TEST(Handy, ScissorsAngleFollowsTheThrow) {
    const struct {
        const char* where;
        double dx, dy;
        double angle;
    } cases[] = {
        {"straight down", 0.0, 3.0, 135.0},  {"straight up", 0.0, -3.0, -45.0},
        {"right", 3.0, 0.0, 45.0},           {"left", -3.0, 0.0, 225.0},
        {"down-left", -3.0, 3.0, 180.0},     {"slightly above right", 3.0, -0.1, 44.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        Escena scene(30.0, 9.0);
        Handy handy = actingHandy(Form::Scissors);
        handy.scissorTimer = 130;
        handy.update(playerCentredOn(10.75 + c.dx, 4.75 + c.dy), scene);
        ASSERT_EQ(scene.enemyShots.size(), 1u);
        EXPECT_DOUBLE_EQ(scene.enemyShots[0]->angle, c.angle);
    }
}

TEST(Handy, ScissorsOnThePlayersCentreThrowNothingRatherThanNaN) {
    Escena scene(30.0, 9.0);
    Handy handy = actingHandy(Form::Scissors);
    handy.scissorTimer = 105;
    handy.busy = true;
    handy.update(playerCentredOn(10.75, 4.75), scene);
    EXPECT_TRUE(scene.enemyShots.empty());
    EXPECT_FALSE(handy.busy);  // the attack still ends
}

TEST(Handy, ScissorsKeepAboutEightUnitsFromThePlayer) {
    const struct {
        double d;
        double step;
    } cases[] = {{-9.0, -0.02}, {-8.05, 0.0}, {-7.0, 0.02}, {-0.5, 0.02},
                 {0.0, -0.02},  {7.0, -0.02}, {8.05, 0.0},  {9.0, 0.02}};
    for (const auto& c : cases) {
        SCOPED_TRACE("d = " + std::to_string(c.d));
        Escena scene(40.0, 9.0);
        Handy handy = actingHandy(Form::Scissors, 15.0);
        handy.scissorTimer = 60;
        handy.update(playerCentredOn(15.75 + c.d, 4.75), scene);
        EXPECT_NEAR(handy.x, 15.0 + c.step, 1e-12);
    }
    // Within its patrol limits.
    Escena scene(40.0, 9.0);
    Handy handy = actingHandy(Form::Scissors, 15.0, 4.0, 15.0, 16.5);
    handy.scissorTimer = 60;
    handy.update(playerCentredOn(17.0, 4.75), scene);
    EXPECT_DOUBLE_EQ(handy.x, 15.0);
    handy.update(playerCentredOn(30.0, 4.75), scene);
    EXPECT_DOUBLE_EQ(handy.x, 15.0);
}

TEST(Handy, AFormChangeWaitsForTheAttackToEnd) {
    std::srand(9);
    Escena scene(30.0, 9.0);
    Handy handy = actingHandy(Form::Rock);
    handy.formTimer = 10;
    const WorldRect player = playerAt(3.0, 7.4);
    for (int frame = 0; frame <= 51; ++frame) {
        handy.update(player, scene);
        ASSERT_EQ(handy.form, Form::Rock) << frame;
    }
    EXPECT_FALSE(handy.busy);
    EXPECT_EQ(handy.formTimer, 0);
    EXPECT_EQ(scene.enemyShots.size(), 1u);
    handy.update(player, scene);
    EXPECT_NE(handy.form, Form::Rock);
    EXPECT_EQ(handy.currentAnimation, "trans");
    EXPECT_EQ(handy.formTimer, 549);
    EXPECT_EQ(handy.rockTimer, 129);  // rock's timer waits for rock's return
}

TEST(Handy, PaperFleesUnlessCornered) {
    const struct {
        const char* what;
        double x, minX, maxX;
        double playerX;
        double expectedX;
        bool flipped;
    } cases[] = {
        {"player left, room to the right", 15.0, 10.0, 20.0, 5.0, 15.05, true},
        {"player left, at its right limit", 18.5, 10.0, 20.0, 5.0, 18.5, true},
        {"player left, cornered: slips past", 27.0, 27.0, 28.5, 25.0, 26.95, false},
        {"player right, room to the left", 15.0, 10.0, 20.0, 20.0, 14.95, false},
        {"player right, at its left limit", 10.0, 10.0, 20.0, 20.0, 10.0, false},
        {"player right, cornered: slips past", 2.0, 0.0, 3.5, 3.0, 2.05, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Escena scene(30.0, 9.0);
        Handy handy = actingHandy(Form::Paper, c.x, 4.0, c.minX, c.maxX);
        handy.update(playerAt(c.playerX, 4.0), scene);
        EXPECT_NEAR(handy.x, c.expectedX, 1e-12);
        EXPECT_EQ(handy.flipped, c.flipped);
        EXPECT_DOUBLE_EQ(handy.hitbox.x, handy.x);
    }
}
