#pragma once

#include <memory>

#include "actors/Prota.hpp"
#include "bosses/Jefe.hpp"
#include "enemies/Enemigo.hpp"
#include "enemies/EnemyTestSupport.hpp"
#include "scene/Escena.hpp"

namespace bosstest {

using enemytest::shotInto;

// An empty arena of the given size whose band shows `shown` units at once; the camera starts at
// the left end with a window exactly as wide as the band.
struct Room {
    Room(double width, double shown) : scene(width, 9.0) { scene.wShown = shown; }

    // One boss frame as the scene runs it: update, then the player's contact with box2.
    void bossFrame(Jefe& boss) {
        boss.update(*scene.prota, scene, camX, scene.wShown);
        scene.prota->hitByRect(boss.box2);
    }
    // One frame of every enemy, walked by index because a boss may add to the list meanwhile.
    void enemyFrame() {
        const WorldRect player = scene.prota->drawnRect();
        for (std::size_t i = 0; i < scene.enemies.size();) {
            Enemigo& e = *scene.enemies[i];
            if (!e.dying) {
                if (!e.awake) {
                    e.awake = e.seesPlayer(player);
                } else {
                    e.update(player, scene);
                }
            }
            e.drawClipped(nullptr, SDL_Rect{0, 0, 100000, 100000});
            if (e.isDead()) {
                scene.enemies.erase(scene.enemies.begin() + static_cast<long>(i));
            } else {
                ++i;
            }
        }
    }
    template <class T>
    int count() const {
        int n = 0;
        for (const auto& e : scene.enemies) {
            n += dynamic_cast<const T*>(e.get()) != nullptr ? 1 : 0;
        }
        return n;
    }

    Escena scene;
    double camX = 0.0;
};

}  // namespace bosstest
