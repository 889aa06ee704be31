#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "EnemyTestSupport.hpp"
#include "enemies/Handy.hpp"
#include "scene/Escena.hpp"

using enemytest::playerCentredOn;
using Form = Handy::Form;

namespace {
// A level-1 Handy centred on (x + 0.75, 4.75), in the given form, past its transformation.
Handy acting(Form form, double x = 10.0, double minX = 0.0, double maxX = 30.0) {
    Handy handy(x, 4.0, minX, maxX, 1);
    handy.form = form;
    handy.formTimer = 499;
    return handy;
}

// Updates until the number of enemy shots grows; returns the updates taken.
int updatesUntilShot(Handy& handy, const WorldRect& player, Escena& scene) {
    const size_t before = scene.enemyShots.size();
    int updates = 0;
    while (scene.enemyShots.size() == before && updates < 1000) {
        handy.update(player, scene);
        ++updates;
    }
    return updates;
}
}  // namespace

TEST(Handy, FormsNeverRepeatAndPaperNeverComesFirst) {
    int firstRocks = 0;
    for (unsigned seed = 1; seed <= 200; ++seed) {
        std::srand(seed);
        Handy handy(10.0, 4.0, 0.0, 30.0, 1);
        ASSERT_NE(handy.form, Form::Paper);
        EXPECT_EQ(handy.currentAnimation, handy.form == Form::Rock ? "rock" : "scissor");
        firstRocks += handy.form == Form::Rock;
    }
    EXPECT_GT(firstRocks, 50);
    EXPECT_LT(firstRocks, 150);

    Escena scene(30.0, 9.0);
    Handy handy(10.0, 4.0, 0.0, 30.0, 1);
    int rockToPaper = 0, rockToScissors = 0;
    for (int draw = 0; draw < 3000; ++draw) {
        handy.formTimer = 0;
        const Form before = handy.form;
        handy.update(playerCentredOn(20.0, 4.0), scene);
        ASSERT_NE(handy.form, before);
        ASSERT_EQ(handy.currentAnimation, "trans");
        if (before == Form::Rock) {
            (handy.form == Form::Paper ? rockToPaper : rockToScissors) += 1;
        }
    }
    // A rock draw moves on to scissors: from rock, 1/3 paper and 2/3 scissors.
    EXPECT_NEAR(rockToPaper / double(rockToPaper + rockToScissors), 1.0 / 3.0, 0.08);
}

TEST(Handy, RockAttackAfterFiftyIdleFrames) {
    enemytest::SoundLog sounds;
    Escena scene(30.0, 9.0);
    scene.y = 1.0;
    Handy handy(10.0, 4.0, 0.0, 30.0, 1);
    handy.form = Form::Rock;
    const WorldRect player = playerCentredOn(3.5, 9.25);  // on the floor at the left
    std::vector<double> heights;
    while (scene.enemyShots.empty() && heights.size() < 1000) {
        handy.update(player, scene);
        heights.push_back(handy.y);
        if (heights.size() == 51) {
            EXPECT_FALSE(handy.busy);  // 50 idle frames, then the rock form shows
            EXPECT_EQ(handy.currentAnimation, "rock");
        }
    }
    // Updates 0..51 idle and winding, 37 rising, 13 slamming, then the rock.
    ASSERT_EQ(heights.size(), 51u + 1 + 37 + 13 + 1);
    EXPECT_NEAR(heights[51 + 37], 4.0 - 37 * 0.08 / 3.0, 1e-9);
    EXPECT_NEAR(heights[51 + 50], 4.0 - 37 * 0.08 / 3.0 + 13 * 0.08, 1e-9);
    EXPECT_EQ(handy.y, 4.0);
    EXPECT_FALSE(handy.busy);
    EXPECT_EQ(handy.currentAnimation, "rock");
    EXPECT_EQ(sounds.count("shootHandyRock"), 1);
    Disparo& rock = *scene.enemyShots[0];
    EXPECT_NEAR(rock.x, 3.5 - 0.95 / 2.0, 1e-12);
    EXPECT_EQ(rock.y, 1.0);
    EXPECT_EQ(rock.vy, 0.05);
    EXPECT_EQ(rock.ay, 0.002);
    EXPECT_EQ(rock.range, 1.0 + 9.0 - 1.0);
    EXPECT_EQ(rock.w, 1.0);
    bool struck = false;
    while (!rock.step(1.0, 0.0, 0.0)) {
        struck = struck || overlaps(rock.rect(), player);
    }
    EXPECT_TRUE(struck);
    EXPECT_EQ(updatesUntilShot(handy, player, scene), 181);  // the next rock
}

TEST(Handy, ScissorsThrowTwiceThenKeepTheirDistance) {
    enemytest::SoundLog sounds;
    Escena scene(40.0, 9.0);
    Handy handy = acting(Form::Scissors);
    const WorldRect player = playerCentredOn(25.75, 4.75);  // 15 to the right
    EXPECT_EQ(updatesUntilShot(handy, player, scene), 52);  // timer at 130
    EXPECT_TRUE(handy.busy);
    EXPECT_EQ(updatesUntilShot(handy, player, scene), 25);  // timer at 105
    EXPECT_FALSE(handy.busy);
    EXPECT_EQ(handy.currentAnimation, "scissor");
    EXPECT_EQ(sounds.count("shootHandyScissors"), 2);
    const Disparo& first = *scene.enemyShots[0];
    EXPECT_NEAR(first.vx, 0.007, 1e-12);
    EXPECT_NEAR(first.ax, 0.0031, 1e-12);
    EXPECT_EQ(first.x, 10.75);
    EXPECT_EQ(first.angle, 45.0);
    EXPECT_EQ(updatesUntilShot(handy, player, scene), 181 - 25);
    EXPECT_NEAR(handy.x, 10.0 + 104 * 0.02, 1e-9);  // closing in while more than 8.1 away

    // Throw angles: straight down 135, straight up -45.
    for (auto [dx, dy, angle] :
         {std::tuple{0.0, 3.0, 135.0}, {0.0, -3.0, -45.0}, {-3.0, 0.0, 225.0}, {3.0, -0.1, 44.0}}) {
        Escena s(30.0, 9.0);
        Handy h = acting(Form::Scissors);
        h.scissorTimer = 130;
        h.update(playerCentredOn(10.75 + dx, 4.75 + dy), s);
        ASSERT_EQ(s.enemyShots.size(), 1u);
        EXPECT_EQ(s.enemyShots[0]->angle, angle) << dx << ", " << dy;
    }
    // On the player's own centre there is no direction: nothing is thrown.
    Escena s(30.0, 9.0);
    Handy h = acting(Form::Scissors);
    h.scissorTimer = 130;
    h.update(playerCentredOn(10.75, 4.75), s);
    EXPECT_TRUE(s.enemyShots.empty());

    // Keeping about 8 units away (player centre minus Handy centre → step).
    for (auto [d, step] : {std::pair{-9.0, -0.02},
                           {-8.05, 0.0},
                           {-7.0, 0.02},
                           {0.0, -0.02},
                           {8.05, 0.0},
                           {9.0, 0.02}}) {
        Handy near = acting(Form::Scissors, 15.0);
        near.scissorTimer = 60;
        near.update(playerCentredOn(15.75 + d, 4.75), s);
        EXPECT_NEAR(near.x, 15.0 + step, 1e-12) << d;
    }
}

TEST(Handy, AFormChangeWaitsWhileBusy) {
    Escena scene(30.0, 9.0);
    Handy handy = acting(Form::Rock);
    handy.formTimer = 10;  // falls due mid-attack
    EXPECT_EQ(updatesUntilShot(handy, playerCentredOn(3.5, 8.0), scene), 52);
    EXPECT_EQ(handy.form, Form::Rock);
    handy.update(playerCentredOn(3.5, 8.0), scene);
    EXPECT_NE(handy.form, Form::Rock);
    EXPECT_EQ(handy.currentAnimation, "trans");
}

TEST(Handy, PaperFleesUnlessCornered) {
    const struct {
        double x, minX, maxX, playerX, expectedX;
        bool flipped;
    } cases[] = {
        {15.0, 10.0, 20.0, 5.0, 15.05, true},   {18.5, 10.0, 20.0, 5.0, 18.5, true},
        {27.0, 27.0, 28.5, 25.0, 26.95, false},  // cornered: runs past, out of its limits
        {15.0, 10.0, 20.0, 20.0, 14.95, false}, {10.0, 10.0, 20.0, 20.0, 10.0, false},
        {2.0, 0.0, 3.5, 3.0, 2.05, true},  // cornered on the left
        // Having run past the player out of its range, it walks back instead of jumping.
        {8.0, 10.0, 20.0, 12.0, 8.05, false}, {22.0, 10.0, 20.0, 15.0, 21.95, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        Escena scene(30.0, 9.0);
        Handy handy = acting(Form::Paper, c.x, c.minX, c.maxX);
        handy.update(WorldRect{c.playerX, 4.0, 1.0, 1.5}, scene);
        EXPECT_NEAR(handy.x, c.expectedX, 1e-12);
        EXPECT_EQ(handy.flipped, c.flipped);
    }
}
