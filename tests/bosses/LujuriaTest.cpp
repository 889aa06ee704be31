// Lust on her own: the blackout her second half brings.
#include "bosses/Lujuria.hpp"

#include <gtest/gtest.h>

#include "bosses/Apagon.hpp"
#include "bosses/BossTestSupport.hpp"
#include "bosses/Lampy.hpp"

namespace {

using bosstest::Room;
using bosstest::shotInto;

// Her arena's first frame hangs the lamp; shot down, it leaves her open to shots.
void startWithoutLamp(Room& room, Lujuria& lust) {
    room.bossFrame(lust);
    for (const auto& e : room.scene.enemies) {
        if (auto lamp = std::dynamic_pointer_cast<Lampy>(e)) {
            while (!lamp->dying) {
                ASSERT_TRUE(lamp->hitByShot(shotInto(lamp->hitbox, 2)));
            }
        }
    }
    lust.startFight();
}

TEST(Lujuria, HalfHealthBringsTheBlackoutAndAKillingHitDoesNot) {
    Room room(16.0, 16.0);
    Lujuria lust;
    startWithoutLamp(room, lust);
    lust.hp = 41;
    ASSERT_TRUE(lust.hitByShot(shotInto(lust.hitbox, 2)));
    EXPECT_EQ(lust.phase, 2);
    EXPECT_EQ(lust.tintTicks, Lujuria::kTintFrames);

    // No texture here: the fade lives in the blackout itself, 3 steps a frame up to 255.
    for (int f = 0; f < 84; ++f) {
        room.bossFrame(lust);
    }
    EXPECT_EQ(lust.blackout->alpha, 252);
    room.bossFrame(lust);
    EXPECT_EQ(lust.blackout->alpha, 255);

    Room otherRoom(16.0, 16.0);
    Lujuria other;
    startWithoutLamp(otherRoom, other);
    other.hp = 2;
    ASSERT_TRUE(other.hitByShot(shotInto(other.hitbox, 5)));
    EXPECT_EQ(other.phase, 1) << "a killing hit never switches the lights off";
}

}  // namespace
