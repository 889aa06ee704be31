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

void placePlayer(Room& room, double centreX) {
    room.scene.prota->moveTo(centreX - 0.5, 6.9);
}

TEST(Lujuria, ImmuneWhileHerLampShines) {
    Room room(16.0, 16.0);
    auto lust = std::make_shared<Lujuria>();
    room.bossFrame(*lust);  // phase 0: the lamp and the cone appear
    ASSERT_EQ(room.count<Foco>(), 1);
    ASSERT_EQ(room.count<Lampy>(), 1);
    room.bossFrame(*lust);
    EXPECT_EQ(room.scene.enemies.size(), 2u) << "they appear once";

    {
        bosstest::SoundLog sounds;
        EXPECT_FALSE(lust->hitByShot(shotInto(lust->hitbox, 2)));
        EXPECT_EQ(sounds.count("bossHit"), 0) << "a shielded Lust takes shots silently";
    }
    EXPECT_EQ(lust->hp, Lujuria::kHealth);

    // Shot down before the fight has even started, the lamp is broken for good.
    breakLamp(room);
    EXPECT_TRUE(lust->lampBroken);
    EXPECT_EQ(lampOf(room)->hitSoundKey(), std::string("blankyHit"));
    lust->startFight();
    for (int f = 0; f < 5; ++f) {
        room.bossFrame(*lust);
        room.enemyFrame();
    }
    EXPECT_EQ(room.count<Foco>(), 0) << "the spotlight goes out with the lamp";
    EXPECT_TRUE(lust->hitByShot(shotInto(lust->hitbox, 2)));
    EXPECT_EQ(lust->hp, Lujuria::kHealth - 2);
}

TEST(Lujuria, ALampThatLeavesTheStageNoLongerShieldsHer) {
    Room room(16.0, 16.0);
    Lujuria lust;
    room.bossFrame(lust);
    lust.startFight();
    room.scene.enemies.clear();
    room.bossFrame(lust);
    EXPECT_TRUE(lust.lampBroken);
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

TEST(Lujuria, FallsOnceAndHerBlackoutFadesOutWithoutHer) {
    Room room(16.0, 16.0);
    auto lust = std::make_shared<Lujuria>();
    room.bossFrame(*lust);
    breakLamp(room);
    lust->startFight();
    lust->hp = 41;
    ASSERT_TRUE(lust->hitByShot(shotInto(lust->hitbox, 2)));
    for (int f = 0; f < 100; ++f) {
        room.bossFrame(*lust);
    }
    ASSERT_EQ(lust->blackout->alpha, 255);

    ASSERT_TRUE(lust->hitByShot(shotInto(lust->hitbox, 50)));
    // Her next action does not override the death, and her boxes stay out of reach.
    for (int f = 0; f < 300; ++f) {
        room.bossFrame(*lust);
    }
    EXPECT_TRUE(lust->isPlaying("death") || lust->isPlaying("dead"));
    EXPECT_DOUBLE_EQ(lust->hitbox.x, Lujuria::kOutOfReach);
    EXPECT_DOUBLE_EQ(lust->box2.x, Lujuria::kOutOfReach);
    EXPECT_TRUE(lust->isDead());
    EXPECT_FALSE(lust->isDead()) << "the death is reported once";
    EXPECT_DOUBLE_EQ(lust->w, Lujuria::kWidth);

    room.scene.enemies.clear();
    lust->onDefeated(room.scene);
    lust->onDefeated(room.scene);
    ASSERT_EQ(room.scene.enemies.size(), 1u) << "the blackout is handed over once";
    std::weak_ptr<Apagon> blackout = lust->blackout;
    // The blackout does not keep Lust alive, and survives her safely.
    std::weak_ptr<Lujuria> watch = lust;
    lust.reset();
    EXPECT_TRUE(watch.expired());
    ASSERT_FALSE(blackout.expired());
    EXPECT_EQ(blackout.lock()->owner, nullptr);

    // From 255 it is gone on its 51st update in the list: 51 updates plus the frame it wakes.
    int frames = 0;
    while (!room.scene.enemies.empty() && frames < 200) {
        room.enemyFrame();
        ++frames;
    }
    EXPECT_EQ(frames, 52);
}

TEST(Lujuria, KeepsHerKissesForAfarAndHerStrutsForClose) {
    std::srand(8);
    Room room(16.0, 16.0);
    Lujuria lust;
    room.bossFrame(lust);
    lust.startFight();
    int kissesNear = 0;
    int strutsFar = 0;
    for (int trial = 0; trial < 200; ++trial) {
        const bool near = trial % 2 == 0;
        lust.x = 6.5;
        lust.w = Lujuria::kWidth;
        lust.wide = false;
        lust.actionRunning = false;
        lust.step = 0;
        placePlayer(room, near ? 9.0 : 18.0);
        room.bossFrame(lust);
        kissesNear += near && (lust.action == State::KissWavy || lust.action == State::KissAimed);
        strutsFar += !near && lust.action == State::Strut;
    }
    EXPECT_EQ(kissesNear, 0);
    EXPECT_EQ(strutsFar, 0);
}

TEST(Lujuria, StruttingNeverTakesHerOffTheStage) {
    std::srand(1);
    Room room(16.0, 16.0);
    Lujuria lust;
    room.bossFrame(lust);
    lust.startFight();
    // The player stands right of her far from the left wall: every strut heads for that wall.
    placePlayer(room, 15.0);
    lust.x = 0.02;
    for (int f = 0; f < 20000; ++f) {
        if (!lust.actionRunning) {
            lust.action = State::Strut;
            lust.actionRunning = true;
            lust.step = 0;
        }
        room.bossFrame(lust);
        ASSERT_GE(lust.x, 0.0);
    }
}

TEST(Lujuria, AnAimedHeartWithNowhereToGoFliesStraightAhead) {
    Room room(16.0, 16.0);
    // The player's centre is exactly the heart's centre.
    const WorldRect player{4.0, 4.25, 1.0, 1.5};
    for (int dir : {1, -1}) {
        Corazon heart(4.0, 4.5, dir, false, player);
        EXPECT_DOUBLE_EQ(heart.vx, dir * Corazon::kAimedSpeed);
        EXPECT_DOUBLE_EQ(heart.vy, 0.0);
        heart.update(player, room.scene);
        EXPECT_TRUE(std::isfinite(heart.x) && std::isfinite(heart.y));
    }
    Corazon aimed(4.0, 4.5, 1, false, WorldRect{10.5, 4.25, 1.0, 1.5});
    EXPECT_NEAR(aimed.vx, Corazon::kAimedSpeed, 1e-12);
    EXPECT_FALSE(aimed.hitByShot(shotInto(aimed.drawnRect())));
}

TEST(Lujuria, ALeftFacingSmackWidensHerToTheLeftUnderHerLamp) {
    std::srand(2);
    Room room(16.0, 16.0);
    Lujuria lust;
    room.bossFrame(lust);
    lust.startFight();
    placePlayer(room, 7.0);  // left of her centre (9.5), within reach
    lust.action = State::Smack;
    lust.actionRunning = true;
    room.bossFrame(lust);
    EXPECT_TRUE(lust.wide);
    EXPECT_DOUBLE_EQ(lust.x, 5.0);
    EXPECT_DOUBLE_EQ(lust.w, Lujuria::kSmackWidth);
    room.enemyFrame();
    room.enemyFrame();
    EXPECT_DOUBLE_EQ(lampOf(room)->x, 8.0 + Lampy::kHangOffset) << "the lamp stays over her body";
    for (int f = 0; f < 120 && lust.actionRunning; ++f) {
        room.bossFrame(lust);
    }
    EXPECT_FALSE(lust.wide);
    EXPECT_DOUBLE_EQ(lust.x, 8.0);
    EXPECT_DOUBLE_EQ(lust.w, Lujuria::kWidth);

    // Felled in the middle of a left-facing smack she lies where her body stood.
    Room other(16.0, 16.0);
    Lujuria felled;
    other.bossFrame(felled);
    breakLamp(other);
    felled.startFight();
    placePlayer(other, 7.0);
    felled.action = State::Smack;
    felled.actionRunning = true;
    for (int f = 0; f < 30; ++f) {
        other.bossFrame(felled);
    }
    ASSERT_TRUE(felled.wide);
    ASSERT_DOUBLE_EQ(felled.x, 5.0);
    felled.hp = 1;
    ASSERT_TRUE(felled.hitByShot(shotInto(felled.hitbox, 2)));
    other.bossFrame(felled);
    EXPECT_TRUE(felled.isDead());
    EXPECT_DOUBLE_EQ(felled.x, 8.0);
    EXPECT_DOUBLE_EQ(felled.w, Lujuria::kWidth);
}

}  // namespace
