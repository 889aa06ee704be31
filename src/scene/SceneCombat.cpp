#include "scene/SceneCombat.hpp"

#include <cstdlib>
#include <memory>

#include "actors/Disparo.hpp"
#include "actors/Prota.hpp"
#include "bosses/Jefe.hpp"
#include "enemies/Enemigo.hpp"
#include "npc/NPC.hpp"
#include "npc/Objeto.hpp"
#include "render/Audio.hpp"
#include "scene/Escena.hpp"
#include "scene/Obstucalo.hpp"

namespace {

double randomUnit() {
    return static_cast<double>(std::rand()) / static_cast<double>(RAND_MAX);
}

}  // namespace

void SceneCombat::updateEnemies() {
    for (std::size_t i = 0; i < s_.enemies.size();) {
        // Hold a reference: an enemy's update may add to the list.
        const std::shared_ptr<Enemigo> enemy = s_.enemies[i];
        enemy->updateDstRect(s_.scale_, s_.camX_, s_.camY_);
        if (!enemy->dying) {
            const WorldRect player{s_.prota->x, s_.prota->y, s_.prota->w, s_.prota->h};
            if (!enemy->awake) {
                enemy->awake = enemy->seesPlayer(player);
            } else {
                enemy->update(player, s_);
            }
        }
        if (s_.prota->hitByRect(enemy->box2)) {
            playerHit();
        }
        if (enemy->isDead()) {
            s_.prota->addScore(enemy->score);
            s_.prota->addCoins(enemy->coinValue);
            if (s_.boss == nullptr && randomUnit() <= Escena::kHeartDropChance) {
                dropHeart(*enemy);
            }
            s_.enemies.erase(s_.enemies.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
        }
    }
}

void SceneCombat::dropHeart(const Enemigo& enemy) {
    const double cx = enemy.x + enemy.w / 2.0;
    const double cy = enemy.y + enemy.h / 2.0;
    double restY = Escena::kFloorY;
    double accel = kHeartFallAccel;
    for (const auto& o : s_.obstacles) {
        const bool below = o->x <= cx && cx < o->x + o->w;
        const bool onFloor = Escena::kFloorY - o->y - o->h < kStandsOnFloor;
        if (below && o->y < restY && onFloor) {
            restY = o->y;
            // A heart dropped inside the case floats up onto its top.
            accel = cy > o->y ? -kHeartFallAccel : kHeartFallAccel;
        }
    }
    auto heart = std::make_shared<Objeto>(WorldRect{cx, cy, kHeartDropSize, kHeartDropSize}, restY,
                                          accel, Objeto::kHeart);
    heart->falling = true;
    s_.items.push_back(heart);
    audio::playSound("heartFall");
}

void SceneCombat::updateBoss(double camX, double viewWidth) {
    if (!s_.boss) {
        return;
    }
    s_.boss->updateDstRect(s_.scale_, s_.camX_, s_.camY_);
    s_.boss->updateOverlayDstRect(s_.scale_, s_.camX_, s_.camY_);
    s_.boss->update(*s_.prota, s_, camX, viewWidth);
    if (s_.prota->hitByRect(s_.boss->box2)) {
        s_.resizeHearts();
        audio::playSound("damageTaken");
    }
    if (s_.boss->isDead()) {
        s_.prota->addScore(s_.boss->score);
        s_.prota->addCoins(s_.boss->coinValue);
        s_.prota->hp = s_.prota->maxHp;
        s_.resizeHearts();
        s_.enemies.clear();
        s_.enemyShots.clear();
        s_.boss->onDefeated(s_);
        // The story ends here; an endless run only goes round again.
        if (s_.bossKind_ == Jefe::kValdro && !s_.infinite && !s_.npcs.empty()) {
            s_.finalWords_.begin(*s_.npcs.front());
        }
    }
    if (s_.boss->hp < 1 && !s_.npcs.empty()) {
        // The fallen boss has something left to say, where it lies.
        s_.npcs.front()->x = s_.boss->x;
        s_.npcs.front()->y = s_.boss->y;
        s_.npcs.front()->w = s_.boss->w;
        s_.npcs.front()->h = s_.boss->h;
    }
}

void SceneCombat::updateEnemyShots(double scale, double camX, double camY) {
    for (std::size_t i = 0; i < s_.enemyShots.size();) {
        const std::shared_ptr<Disparo> shot = s_.enemyShots[i];
        if (shot->step(scale, camX, camY)) {
            s_.enemyShots.erase(s_.enemyShots.begin() + static_cast<std::ptrdiff_t>(i));
        } else if (s_.prota->hitByShot(shot)) {
            s_.enemyShots.erase(s_.enemyShots.begin() + static_cast<std::ptrdiff_t>(i));
            playerHit();
        } else {
            ++i;
        }
    }
}

void SceneCombat::updatePlayerShots(double scale, double camX, double camY) {
    for (std::size_t i = 0; i < s_.playerShots.size();) {
        const std::shared_ptr<Disparo> shot = s_.playerShots[i];
        bool gone = shot->step(scale, camX, camY);
        if (!gone) {
            for (const auto& enemy : s_.enemies) {
                if (enemy->hitByShot(shot)) {
                    if (const char* sound = enemy->hitSoundKey()) {
                        audio::playSound(sound);
                    }
                    gone = true;
                    break;
                }
            }
            // The boss is offered the shot too, even when a minion took it.
            if (s_.boss && s_.boss->hitByShot(shot)) {
                gone = true;
            }
        }
        if (gone) {
            s_.playerShots.erase(s_.playerShots.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
        }
    }
}

void SceneCombat::playerHit() {
    s_.prota->score = static_cast<int>(s_.prota->score * 0.95);
    s_.resizeHearts();
    audio::playSound("damageTaken");
}
