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

TEST(Handy, PaperFleesUnlessCornered) {
    const struct {
        double x, minX, maxX, playerX, expectedX;
        bool flipped;
    } cases[] = {
        {15.0, 10.0, 20.0, 5.0, 15.05, true},
        {18.5, 10.0, 20.0, 5.0, 18.5, true},
        {27.0, 27.0, 28.5, 25.0, 26.95, false},  // cornered: runs past, out of its limits
        {15.0, 10.0, 20.0, 20.0, 14.95, false},
        {10.0, 10.0, 20.0, 20.0, 10.0, false},
        {2.0, 0.0, 3.5, 3.0, 2.05, true},  // cornered on the left
        // Having run past the player out of its range, it walks back instead of jumping.
        {8.0, 10.0, 20.0, 12.0, 8.05, false},
        {22.0, 10.0, 20.0, 15.0, 21.95, true},
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
