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

TEST(Codicia, WaitsForTheFightAndShotsPassItUntilItLiesExposed) {
    std::srand(3);
    Room room(kArenaWidth, kShown);
    Codicia greed;
    for (int f = 0; f < 50; ++f) {
        room.bossFrame(greed);
    }
    EXPECT_DOUBLE_EQ(greed.x, Codicia::kStartX);
    EXPECT_TRUE(room.scene.enemies.empty());
    EXPECT_FALSE(greed.hitByShot(shotInto(greed.hitbox)));

    greed.startFight();
    room.bossFrame(greed);
    EXPECT_GT(greed.x, Codicia::kStartX);
    EXPECT_FALSE(greed.hitByShot(shotInto(greed.hitbox))) << "a running Greed cannot be hurt";

    // It collapses 3.0 before the far end, lower and shorter, facing back.
    runUntilTired(room, greed);
    EXPECT_DOUBLE_EQ(greed.x, kArenaWidth - 4.5 - Codicia::kRestGap);
    EXPECT_DOUBLE_EQ(greed.h, Codicia::kTiredHeight);
    EXPECT_DOUBLE_EQ(greed.y, Codicia::kStartY + 1.0);
    EXPECT_FALSE(greed.flipped);
    EXPECT_EQ(greed.hp, Codicia::kHealth);
}

TEST(Codicia, HurtableOnlyOnceTheViewHasComeClose) {
    std::srand(3);
    Room room(kArenaWidth, kShown);
    Codicia greed;
    greed.startFight();
    runUntilTired(room, greed);

    // The player is far away at the left: Greed throws pearls (only pearls in phase 1) from the
    // right edge of the band, rolling left, and shots still fly past it.
    for (int f = 0; f < 400; ++f) {
        room.bossFrame(greed);
        room.enemyFrame();
    }
    EXPECT_EQ(greed.substate, State::Tired);
    EXPECT_GE(room.count<Perla>(), 1);
    EXPECT_EQ(room.count<Diamante>() + room.count<Moneda>(), 0);
    EXPECT_FALSE(greed.hitByShot(shotInto(greed.hitbox)));
    for (const auto& e : room.scene.enemies) {
        EXPECT_FALSE(e->hitByShot(shotInto(e->hitbox))) << "player shots pass through pearls";
    }

    // The band comes within 12 of it: exposed for good, and hurt.
    room.camX = kFarRightCam - 10.0;  // band centre 46, Greed's centre 58.75: still too far
    room.bossFrame(greed);
    EXPECT_EQ(greed.substate, State::Tired);
    room.camX = kFarRightCam;
    room.bossFrame(greed);
    EXPECT_EQ(greed.substate, State::Exposed);
    room.camX = 0.0;  // walking away again does not cover it up
    room.bossFrame(greed);
    EXPECT_TRUE(greed.hitByShot(shotInto(greed.hitbox, 2)));
    EXPECT_EQ(greed.hp, Codicia::kHealth - 2);
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

TEST(Codicia, ABeatenGreedStaysDownWithItsBoxesOutOfReach) {
    std::srand(5);
    Room room(kArenaWidth, kShown);
    Codicia greed;
    greed.startFight();
    runUntilTired(room, greed);
    room.camX = kFarRightCam;
    room.bossFrame(greed);
    shootDownTo(greed, 18);
    room.bossFrame(greed);  // up for phase 2
    runUntilTired(room, greed);
    room.camX = 0.0;
    room.bossFrame(greed);
    ASSERT_EQ(greed.phase, 2);
    ASSERT_EQ(greed.substate, State::Exposed);

    // A blow big enough to kill it in phase 2: it must not get up and run with live boxes.
    auto blow = shotInto(greed.hitbox, 30);
    ASSERT_TRUE(greed.hitByShot(blow));
    const double x = greed.x;
    for (int f = 0; f < 100; ++f) {
        room.bossFrame(greed);
    }
    EXPECT_EQ(greed.substate, State::Exposed);
    EXPECT_DOUBLE_EQ(greed.x, x);
    EXPECT_TRUE(greed.isPlaying("death") || greed.isPlaying("dead"));
    EXPECT_DOUBLE_EQ(greed.hitbox.x, Codicia::kOutOfReach);
    EXPECT_DOUBLE_EQ(greed.box2.x, Codicia::kOutOfReach);
    EXPECT_FALSE(greed.hitByShot(shotInto(greed.hitbox)));
}

TEST(Codicia, ProjectilesFlyAndLeave) {
    Room room(kArenaWidth, kShown);
    WorldRect far{0, 0, 0, 0};
    Perla pearl(20.0, -1);
    Diamante diamond(20.0, 1);
    Moneda coin(20.0, 7.25, -0.08, 1);
    bosstest::SoundLog sounds;
    int bounces = 0;
    for (int f = 0; f < 2000 && !(pearl.dying && diamond.dying && coin.dying); ++f) {
        for (Enemigo* e : {static_cast<Enemigo*>(&pearl), static_cast<Enemigo*>(&diamond),
                           static_cast<Enemigo*>(&coin)}) {
            if (!e->dying) {
                e->update(far, room.scene);
            }
        }
        bounces = sounds.count("diamond");
    }
    EXPECT_TRUE(pearl.dying) << "rolled out at the left end";
    EXPECT_LT(pearl.x, 0.0);
    EXPECT_TRUE(diamond.dying) << "bounced out at the right end";
    EXPECT_GT(bounces, 3);
    EXPECT_TRUE(coin.dying);
    EXPECT_GT(coin.y, 9.0);
}

}  // namespace
