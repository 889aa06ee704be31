// Greed on its own: the runs, the tired collapse, the throws and when shots hurt it.
#include "bosses/Codicia.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "bosses/BossTestSupport.hpp"
#include "bosses/Diamante.hpp"
#include "bosses/Moneda.hpp"
#include "bosses/Perla.hpp"

namespace {

using bosstest::Room;
using bosstest::shotInto;
using State = Codicia::State;

constexpr double kArenaWidth = 64.0;
constexpr double kShown = 16.0;
// The band at the far right end, where Greed collapses after a run to the right.
constexpr double kFarRightCam = kArenaWidth - kShown;

// Runs frames until Greed lies tired (or a frame limit runs out).
void runUntilTired(Room& room, Codicia& greed) {
    for (int f = 0; f < 3000 && greed.substate == State::Running; ++f) {
        room.bossFrame(greed);
    }
    ASSERT_EQ(greed.substate, State::Tired);
}

void shootDownTo(Codicia& greed, int hp) {
    while (greed.hp >= hp + 2) {
        ASSERT_TRUE(greed.hitByShot(shotInto(greed.hitbox, 2)));
    }
}

TEST(Codicia, GetsUpAtTwoThirdsAndOneThirdAndThrowsMoreEachPhase) {
    std::srand(11);
    Room room(kArenaWidth, kShown);
    Codicia greed;
    greed.startFight();
    runUntilTired(room, greed);
    room.camX = kFarRightCam;
    room.bossFrame(greed);
    ASSERT_EQ(greed.substate, State::Exposed);

    // 20 of 30 is not below two thirds yet.
    shootDownTo(greed, 20);
    ASSERT_EQ(greed.hp, 20);
    room.bossFrame(greed);
    EXPECT_EQ(greed.phase, 1);
    room.scene.addEnemy(std::make_shared<Perla>(30.0, -1));
    ASSERT_TRUE(greed.hitByShot(shotInto(greed.hitbox, 2)));
    room.bossFrame(greed);
    EXPECT_EQ(greed.phase, 2);
    EXPECT_EQ(greed.substate, State::Running);
    EXPECT_TRUE(room.scene.enemies.empty()) << "getting up sweeps its throws away";
    EXPECT_EQ(greed.pearlBase, 105);
    EXPECT_DOUBLE_EQ(greed.h, 4.5);

    // Phase 2 runs left and lies down 3.0 from the left end; with the view far it throws
    // pearls and diamonds from just left of the band, rolling right.
    runUntilTired(room, greed);
    EXPECT_DOUBLE_EQ(greed.x, Codicia::kRestGap);
    for (int f = 0; f < 300; ++f) {
        room.bossFrame(greed);
        room.enemyFrame();
    }
    EXPECT_GE(room.count<Perla>(), 1);
    EXPECT_GE(room.count<Diamante>(), 1);
    EXPECT_EQ(room.count<Moneda>(), 0);

    room.camX = 0.0;
    room.bossFrame(greed);
    ASSERT_EQ(greed.substate, State::Exposed);
    shootDownTo(greed, 10);
    room.bossFrame(greed);
    EXPECT_EQ(greed.phase, 2) << "10 of 30 is not below one third";
    ASSERT_TRUE(greed.hitByShot(shotInto(greed.hitbox, 2)));
    room.bossFrame(greed);
    EXPECT_EQ(greed.phase, 3);

    // Phase 3 adds coins.
    runUntilTired(room, greed);
    int coins = 0;
    for (int f = 0; f < 400; ++f) {
        room.bossFrame(greed);
        room.enemyFrame();
        coins = std::max(coins, room.count<Moneda>());
    }
    EXPECT_GE(coins, 3) << "three at a time";
}

}  // namespace
