// A small skirmish played headless through the real scene: the player runs, jumps, dashes and
// fires through a room of every regular enemy, frame by frame.
#include <gtest/gtest.h>

#include <cmath>

#include "actors/Disparo.hpp"
#include "actors/Prota.hpp"
#include "enemies/Blanky.hpp"
#include "enemies/Butter.hpp"
#include "enemies/Handy.hpp"
#include "enemies/Peanut.hpp"
#include "enemies/Pikaboo.hpp"
#include "support/SceneHarness.hpp"

namespace {

TEST(Skirmish, ThePlayerFightsBackAndTheRoomFightsBack) {
    harness::Stage stage(harness::room(32.0), 1, false, 2024);
    Escena& room = *stage.scene;
    room.addEnemy(std::make_shared<Blanky>(12.0, 3.0, 2));
    room.addEnemy(std::make_shared<Pikaboo>(18.0, 2.5, 2));
    room.addEnemy(std::make_shared<Peanut>(22.0, 7.4, 2));
    room.addEnemy(std::make_shared<Butter>(9.0, 7.4, 6.0, 14.0, 2));
    room.addEnemy(std::make_shared<Handy>(26.0, 7.4, 24.0, 30.0, 2));
    Prota& prota = stage.prota();
    prota.maxHp = prota.hp = 50;

    int shotsFired = 0;
    stage.press('d');
    for (int f = 0; f < 3000; ++f) {
        // Run right, jump now and then, dash on a rhythm, hold the trigger half the time.
        if (f % 90 == 0) {
            stage.press('w');
        } else if (f % 90 == 20) {
            stage.release('w');
        }
        if (f % 120 == 60) {
            stage.send(harness::buttonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT));
        } else if (f % 120 == 61) {
            stage.send(harness::buttonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT));
        }
        stage.holdTrigger((f / 200) % 2 == 0);
        // Aim at the nearest enemy; stop to fight it once it is in range.
        double nearest = 1e9;
        for (const auto& e : room.enemies) {
            const double d = std::abs(e->x - prota.x);
            if (!e->dying && d < nearest) {
                nearest = d;
                stage.aimAt(e->x + e->w / 2, e->y + e->h / 2);
            }
        }
        if (nearest < 3.5 || prota.x > 29.0) {
            stage.release('d');
        } else {
            stage.press('d');
        }
        const std::size_t before = room.playerShots.size();
        stage.step();
        shotsFired += room.playerShots.size() > before ? 1 : 0;
    }
    EXPECT_GT(shotsFired, 10);
    EXPECT_LT(room.enemies.size(), 5u) << "at least one enemy falls to the player's shots";
    EXPECT_GT(prota.score, 0);
    EXPECT_LT(prota.hp, 50) << "the enemies land some hits";
}

}  // namespace
