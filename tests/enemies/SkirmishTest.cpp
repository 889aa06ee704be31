// A small skirmish played headless: the player runs, jumps, dashes and fires through a room of
// every regular enemy, frame by frame, with the scene's rules for waking, shots and contact.
#include <gtest/gtest.h>

#include <SDL_mouse.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "actors/Disparo.hpp"
#include "actors/Prota.hpp"
#include "app/Platform.hpp"
#include "enemies/Blanky.hpp"
#include "enemies/Butter.hpp"
#include "enemies/Handy.hpp"
#include "enemies/Peanut.hpp"
#include "enemies/Pikaboo.hpp"
#include "scene/Escena.hpp"

namespace {

constexpr double kFloor = 8.9;

struct Outcome {
    std::uint64_t hash = 1469598103934665603ull;
    int enemiesLeft = 0;
    int playerHp = 0;
    int playerScore = 0;
    int shotsFired = 0;

    void mix(double v) {
        std::uint64_t bits;
        static_assert(sizeof bits == sizeof v);
        std::memcpy(&bits, &v, sizeof v);
        hash = (hash ^ bits) * 1099511628211ull;
    }
};

// Plays `frames` frames of one room with the C generator seeded by `seed`.
Outcome play(unsigned seed, int frames) {
    std::srand(seed);
    ScriptedPlatform input;
    ScopedPlatform useInput(input);
    Escena room(32.0, 9.0);
    room.addEnemy(std::make_shared<Blanky>(12.0, 3.0, 2));
    room.addEnemy(std::make_shared<Pikaboo>(18.0, 2.5, 2));
    room.addEnemy(std::make_shared<Peanut>(22.0, 7.4, 2));
    room.addEnemy(std::make_shared<Butter>(9.0, 7.4, 6.0, 14.0, 2));
    room.addEnemy(std::make_shared<Handy>(26.0, 7.4, 24.0, 30.0, 2));
    Prota prota(WorldRect{1.0, 6.9, 1.0, 2.0}, true, 0);
    prota.maxHp = prota.hp = 50;

    Outcome out;
    for (int f = 0; f < frames; ++f) {
        // Run right, jump now and then, dash on a rhythm, hold the trigger half the time.
        prota.keys = Prota::kKeyRight;
        if (f % 90 < 20) {
            prota.keys |= Prota::kKeyJump;
        }
        if (f % 120 == 60) {
            prota.keys |= Prota::kKeyDash;
        }
        input.buttons = (f / 200) % 2 == 0 ? SDL_BUTTON(SDL_BUTTON_LEFT) : 0;
        const std::size_t before = room.playerShots.size();
        // Aim at the nearest enemy.
        WorldRect aim{30, 8, 0, 0};
        double nearest = 1e9;
        for (const auto& e : room.enemies) {
            const double d = std::abs(e->drawnRect().centerX() - prota.x);
            if (!e->dying && d < nearest) {
                nearest = d;
                aim = e->drawnRect();
            }
        }
        prota.update(room, aim.centerX(), aim.centerY());
        out.shotsFired += static_cast<int>(room.playerShots.size() - before);
        if (prota.y + prota.h >= kFloor) {
            prota.land(kFloor);
        }
        if (prota.x > 30.0) {
            prota.moveTo(1.0, prota.y);
        }
        prota.updateAnimation(false);
        prota.draw(nullptr, 0.0, nullptr);

        for (std::size_t i = 0; i < room.enemies.size();) {
            auto& e = *room.enemies[i];
            if (!e.dying) {
                if (!e.awake) {
                    e.awake = e.seesPlayer(prota.drawnRect());
                } else {
                    e.update(prota.drawnRect(), room);
                }
            }
            prota.hitByRect(e.box2);
            e.draw(nullptr, 0.0, nullptr);
            if (e.isDead()) {
                prota.addScore(e.score);
                room.enemies.erase(room.enemies.begin() + static_cast<long>(i));
            } else {
                ++i;
            }
        }
        for (std::size_t i = 0; i < room.enemyShots.size();) {
            auto& shot = room.enemyShots[i];
            if (shot->step(50.0, 0.0, 0.0) || prota.hitByShot(shot)) {
                room.enemyShots.erase(room.enemyShots.begin() + static_cast<long>(i));
            } else {
                ++i;
            }
        }
        for (std::size_t i = 0; i < room.playerShots.size();) {
            auto& shot = room.playerShots[i];
            bool gone = shot->step(50.0, 0.0, 0.0);
            for (auto& e : room.enemies) {
                if (!gone && e->hitByShot(shot)) {
                    gone = true;
                }
            }
            if (gone) {
                room.playerShots.erase(room.playerShots.begin() + static_cast<long>(i));
            } else {
                ++i;
            }
        }
        out.mix(prota.x);
        out.mix(prota.y);
        for (const auto& e : room.enemies) {
            out.mix(e->x);
            out.mix(e->y);
            out.mix(e->hp);
        }
        for (const auto& s : room.enemyShots) {
            out.mix(s->x);
            out.mix(s->y);
        }
    }
    out.enemiesLeft = static_cast<int>(room.enemies.size());
    out.playerHp = prota.hp;
    out.playerScore = prota.score;
    return out;
}

TEST(Skirmish, TheSameSeedPlaysTheSameGame) {
    const Outcome a = play(2024, 3000);
    const Outcome b = play(2024, 3000);
    EXPECT_EQ(a.hash, b.hash);
    EXPECT_EQ(a.playerScore, b.playerScore);
    // Another seed moves the ghosts and hands elsewhere.
    EXPECT_NE(play(7, 3000).hash, a.hash);
}

TEST(Skirmish, ThePlayerFightsBackAndTheRoomFightsBack) {
    const Outcome o = play(2024, 3000);
    EXPECT_GT(o.shotsFired, 10);
    EXPECT_LT(o.enemiesLeft, 5) << "at least one enemy falls to the player's shots";
    EXPECT_GT(o.playerScore, 0);
    EXPECT_LT(o.playerHp, 50) << "the enemies land some hits";
}

}  // namespace
