// Valdro on its own: its actions at their frame counts, its three forms and its fall.
#include "bosses/Valdro.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "bosses/BossTestSupport.hpp"
#include "bosses/Calavera.hpp"
#include "bosses/Onda.hpp"

namespace {

using bosstest::Room;
using bosstest::shotInto;
using State = Valdro::State;

struct Fight {
    Fight() : room(16.0, 16.0) {
        room.scene.prota->maxHp = room.scene.prota->hp = 5;
        room.scene.prota->moveTo(1.0, 6.9);
        frames(1);  // the conversation: it notes the player's health
        valdro.startFight();
    }
    // Starts an action as if it had just been chosen.
    void begin(State s) {
        valdro.action = s;
        valdro.actionRunning = true;
        valdro.step = 0;
    }
    void frames(int n) {
        for (int i = 0; i < n; ++i) {
            room.bossFrame(valdro);
        }
    }
    Room room;
    Valdro valdro;
};

struct CastCase {
    State action;
    int framesBeforeCast;
    int thrown;
    bool waves;
};

TEST(Valdro, CastsAtFrame50AndEndsAtFrame100) {
    const CastCase cases[] = {{State::Wave, 50, 1, true},
                              {State::RushingWave, 50, 1, true},
                              {State::SkullArc, 50, 3, false},
                              {State::SkullDrop, 50, 3, false},
                              {State::WeavingSkulls, 50, 4, false}};
    for (const CastCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.action));
        Fight fight;
        fight.begin(c.action);
        fight.frames(c.framesBeforeCast);
        EXPECT_TRUE(fight.room.scene.enemies.empty());
        fight.frames(1);
        EXPECT_EQ(fight.room.count<Onda>() + fight.room.count<Calavera>(), c.thrown);
        EXPECT_EQ(fight.room.count<Onda>(), c.waves ? 1 : 0);
        // Player shots pass through its waves and skulls.
        for (const auto& e : fight.room.scene.enemies) {
            EXPECT_FALSE(e->hitByShot(shotInto(e->drawnRect())));
        }
        fight.frames(49);
        EXPECT_TRUE(fight.valdro.actionRunning);
        fight.frames(1);
        EXPECT_FALSE(fight.valdro.actionRunning);
        EXPECT_EQ(fight.valdro.step, 0);
    }
}

TEST(Valdro, SkullWallsComeEvery80FramesFromThePlayersSide) {
    std::srand(4);
    Fight fight;
    fight.room.scene.prota->moveTo(12.0, 6.9);  // right of the middle: walls come from x 16
    fight.begin(State::SkullWalls);
    for (int volley = 1; volley <= 4; ++volley) {
        fight.frames(volley == 1 ? 80 : 79);
        EXPECT_EQ(fight.room.count<Calavera>(), 3 * (volley - 1));
        fight.frames(1);
        ASSERT_EQ(fight.room.count<Calavera>(), 3 * volley);
        EXPECT_DOUBLE_EQ(fight.room.scene.enemies.back()->x, 16.0);
    }
    fight.frames(79);
    EXPECT_TRUE(fight.valdro.actionRunning);
    fight.frames(1);
    EXPECT_FALSE(fight.valdro.actionRunning);
    EXPECT_EQ(fight.valdro.volleyCount, 1);
    EXPECT_EQ(fight.room.count<Calavera>(), 12);
}

TEST(Valdro, VanishesOutOfReachAndComesBackAtTheOtherEnd) {
    Fight fight;
    fight.begin(State::Vanish);
    fight.frames(1);
    EXPECT_FALSE(fight.valdro.hitByShot(shotInto(WorldRect{11.0, 3.9, 3.0, 5.0})));
    fight.frames(40);
    EXPECT_DOUBLE_EQ(fight.valdro.x, 0.0);
    EXPECT_TRUE(fight.valdro.flipped);
    fight.frames(39);
    EXPECT_TRUE(fight.valdro.actionRunning);
    fight.frames(1);
    EXPECT_FALSE(fight.valdro.actionRunning);
    EXPECT_TRUE(fight.valdro.side);
    EXPECT_DOUBLE_EQ(fight.valdro.hitbox.x, 2.0);
    EXPECT_TRUE(fight.valdro.hitByShot(shotInto(fight.valdro.hitbox)));
}

TEST(Valdro, TheMeleeHitWalksUpSwingsWideAndWalksHome) {
    Fight fight;
    fight.room.scene.prota->moveTo(8.5, 6.9);
    fight.begin(State::MeleeHit);
    int walk = 0;
    while (fight.valdro.step == 0 && walk < 500) {
        fight.frames(1);
        ++walk;
    }
    EXPECT_GT(walk, 1);
    EXPECT_LE(std::abs(fight.valdro.centre() - 9.0), 2.5);
    fight.frames(25);  // step 25: the whole sprite hurts
    EXPECT_DOUBLE_EQ(fight.valdro.box2.w, Valdro::kWidth - 0.1);
    fight.frames(12);  // step 37: only the middle again
    EXPECT_DOUBLE_EQ(fight.valdro.box2.w, Valdro::kWidth - 4.0);
    for (int f = 0; f < 1000 && fight.valdro.actionRunning; ++f) {
        fight.frames(1);
    }
    EXPECT_FALSE(fight.valdro.actionRunning);
    EXPECT_GE(fight.valdro.centre(), 12.5);
}

// Swinging at a player who stands beside him at home, he never steps out through his wall,
// however often he swings.
TEST(Valdro, SwingsFromHomeKeepHimInsideHisWalls) {
    for (bool leftSide : {false, true}) {
        SCOPED_TRACE(leftSide);
        Fight fight;
        fight.valdro.side = leftSide;
        fight.valdro.x = leftSide ? 0.0 : 16.0 - Valdro::kWidth;
        fight.valdro.updateHitboxes();
        fight.room.scene.prota->moveTo(leftSide ? 3.0 : 12.0, 6.9);
        for (int swing = 0; swing < 5; ++swing) {
            fight.begin(State::MeleeHit);
            for (int f = 0; f < 1000 && fight.valdro.actionRunning; ++f) {
                fight.frames(1);
                ASSERT_GE(fight.valdro.x, 0.0);
                ASSERT_LE(fight.valdro.x + fight.valdro.w, 16.0);
            }
            ASSERT_FALSE(fight.valdro.actionRunning);
        }
    }
}

TEST(Valdro, ChangesFormBelowThreeQuartersAndOneHalf) {
    std::srand(9);
    Fight fight;
    fight.valdro.hp = 135;
    fight.frames(1);
    EXPECT_EQ(fight.valdro.phase, 1) << "135 is not below three quarters";
    for (int f = 0; f < 500 && fight.valdro.actionRunning; ++f) {
        fight.frames(1);
    }
    fight.valdro.hp = 134;
    fight.frames(1);
    EXPECT_EQ(fight.valdro.phase, 2);
    EXPECT_EQ(fight.valdro.action, State::Vanish) << "the first choice is always vanish";
    fight.frames(80);
    EXPECT_FALSE(fight.valdro.phaseChanged);

    fight.valdro.hp = 89;
    for (int f = 0; f < 1000 && fight.valdro.phase == 2; ++f) {
        fight.frames(1);
    }
    EXPECT_EQ(fight.valdro.action, State::Vanish);
    fight.frames(80);
    EXPECT_EQ(fight.valdro.phase, 3);
    EXPECT_DOUBLE_EQ(fight.valdro.y, 0.0) << "the last form hovers at the top";
    EXPECT_DOUBLE_EQ(fight.valdro.w, 5.6);
    // From now on only weaving skulls, skull walls and fire rain.
    for (int f = 0; f < 3000; ++f) {
        fight.frames(1);
        const State a = fight.valdro.action;
        ASSERT_TRUE(a == State::WeavingSkulls || a == State::SkullWalls || a == State::FireRain);
    }
}

TEST(Valdro, FireRainHidesItAndRainsFromWhereItReappears) {
    for (unsigned seed = 1; seed < 20; ++seed) {
        std::srand(seed);
        Fight fight;
        fight.valdro.phase = 3;
        fight.begin(State::FireRain);
        fight.frames(1);
        EXPECT_DOUBLE_EQ(fight.valdro.hitbox.x, 10000.0);
        fight.frames(100);
        EXPECT_FALSE(fight.valdro.actionRunning);
        const double x = fight.valdro.x;
        const int expected = (x < 9.0 ? 3 : 0) + (x > 3.0 ? 3 : 0);
        EXPECT_EQ(fight.room.count<Calavera>(), expected) << "from x " << x;
        EXPECT_DOUBLE_EQ(fight.valdro.hitbox.x, x + 2.0);
    }
}

TEST(Valdro, ABeatenValdroOnlySinksToTheFloor) {
    Fight fight;
    fight.valdro.phase = 3;
    fight.valdro.x = 5.2;
    fight.valdro.y = 0.0;
    fight.valdro.w = 5.6;
    fight.valdro.h = 4.0;
    fight.valdro.updateHitboxes();
    fight.valdro.hp = 1;
    ASSERT_TRUE(fight.valdro.hitByShot(shotInto(fight.valdro.hitbox, 2)));
    // Its next choice, say fire rain, must not replace the death.
    fight.valdro.actionRunning = false;
    fight.frames(1);
    EXPECT_TRUE(fight.valdro.isPlaying("death"));
    EXPECT_FALSE(fight.valdro.actionRunning);
    fight.frames(100);
    EXPECT_DOUBLE_EQ(fight.valdro.y + fight.valdro.h, Valdro::kFloorY);
    EXPECT_DOUBLE_EQ(fight.valdro.hitbox.x, Valdro::kOutOfReach);
    EXPECT_DOUBLE_EQ(fight.valdro.box2.x, Valdro::kOutOfReach);
    EXPECT_TRUE(fight.room.scene.enemies.empty());
}

TEST(Valdro, LearnsWhatHurtThePlayer) {
    std::srand(6);
    Fight fight;
    fight.begin(State::Wave);
    fight.frames(101);
    fight.room.scene.prota->hp -= 1;  // the wave caught the player
    fight.frames(1);
    EXPECT_DOUBLE_EQ(fight.valdro.record(State::Wave).learnedWeight, 10.0);
    fight.valdro.action = State::Wave;
    fight.valdro.actionRunning = false;
    fight.frames(1);  // ended without a hit this time
    EXPECT_DOUBLE_EQ(fight.valdro.record(State::Wave).learnedWeight, 8.0);
}

}  // namespace
