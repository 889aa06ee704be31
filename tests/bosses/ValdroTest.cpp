// Valdro on its own: its three forms and what each one does.
#include "bosses/Valdro.hpp"

#include <gtest/gtest.h>

#include "bosses/BossTestSupport.hpp"

namespace {

using bosstest::Room;
using State = Valdro::State;

struct Fight {
    Fight() : room(16.0, 16.0) {
        room.scene.prota->maxHp = room.scene.prota->hp = 5;
        room.scene.prota->moveTo(1.0, 6.9);
        frames(1);  // the conversation: it notes the player's health
        valdro.startFight();
    }
    void frames(int n) {
        for (int i = 0; i < n; ++i) {
            room.bossFrame(valdro);
        }
    }
    Room room;
    Valdro valdro;
};

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

}  // namespace
