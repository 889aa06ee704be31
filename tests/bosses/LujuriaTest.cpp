// Lust on her own: her lamp and spotlight, the choice of actions, the blackout and her fall.
#include "bosses/Lujuria.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "bosses/Apagon.hpp"
#include "bosses/BossTestSupport.hpp"
#include "bosses/Corazon.hpp"
#include "bosses/Foco.hpp"
#include "bosses/Lampy.hpp"

namespace {

using bosstest::Room;
using bosstest::shotInto;
using State = Lujuria::State;

std::shared_ptr<Lampy> lampOf(Room& room) {
    for (const auto& e : room.scene.enemies) {
        if (auto lamp = std::dynamic_pointer_cast<Lampy>(e)) {
            return lamp;
        }
    }
    return nullptr;
}

void breakLamp(Room& room) {
    auto lamp = lampOf(room);
    ASSERT_NE(lamp, nullptr);
    while (!lamp->dying) {
        ASSERT_TRUE(lamp->hitByShot(shotInto(lamp->hitbox, 2)));
    }
}

TEST(Lujuria, HalfHealthBringsTheBlackoutAndAKillingHitDoesNot) {
    Room room(16.0, 16.0);
    Lujuria lust;
    room.bossFrame(lust);
    breakLamp(room);
    lust.startFight();
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

    Lujuria other;
    Room otherRoom(16.0, 16.0);
    otherRoom.bossFrame(other);
    breakLamp(otherRoom);
    other.startFight();
    other.hp = 2;
    ASSERT_TRUE(other.hitByShot(shotInto(other.hitbox, 5)));
    EXPECT_EQ(other.phase, 1) << "a killing hit never switches the lights off";
}

}  // namespace
