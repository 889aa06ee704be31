#include "bosses/FightDriver.hpp"

#include <SDL_mouse.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <typeinfo>
#include <fstream>
#include <nlohmann/json.hpp>

#include "actors/Disparo.hpp"
#include "actors/Prota.hpp"
#include "bosses/BossArena.hpp"
#include "bosses/Jefe.hpp"
#include "enemies/Enemigo.hpp"
#include "scene/Escena.hpp"

namespace {
constexpr SDL_Rect kEverywhere{-100000, -100000, 200000, 200000};
constexpr int kNormal = 1;
// Leaving the tutorial tops the story's Normal start up to this many hearts.
constexpr int kNormalHearts = 5;

SceneData loadSlot(const char* slot) {
    std::ifstream in(std::string(VALDRO_SOURCE_DIR) + "/data/datus/config/scenes.json");
    const nlohmann::json all = nlohmann::json::parse(in);
    return all.at(slot).get<SceneData>();
}
}  // namespace

FightDriver::FightDriver(const char* slot, double standOff, bool dashThroughBoss)
    : data(loadSlot(slot)), pilot(standOff, dashThroughBoss) {
    scene = std::make_unique<Escena>(data, false, kNormal, false);
    scene->x = 0.0;
    scene->y = 0.0;
    scene->w = data.width;
    scene->h = data.height;
    scene->wShown = data.wShown;
    scene->prota->maxHp = scene->prota->hp = kNormalHearts;
    boss = bosses::enterArena(data.boss);
}

FightDriver::~FightDriver() {
    scene->enemies.clear();
    boss.reset();
    bosses::releaseBossTextures();
}

void FightDriver::talk(int n) {
    for (int i = 0; i < n; ++i) {
        frame();
    }
    boss->startFight();
    fightStarted = true;
}

void FightDriver::landPlayer() {
    Prota& p = *scene->prota;
    if (p.y <= 0.0) {
        p.hitCeiling(0.0);
        return;
    }
    const double feet = p.y + p.h;
    const double centre = p.x + p.w / 2.0;
    for (std::size_t i = 0; i < data.platformPositions.size(); ++i) {
        const WorldRect& r = data.platformPositions[i];
        const double surface = data.platformSurfaces[i];
        const bool floor = r.x == 0.0 && r.y == 8.9;
        const bool lands = floor ? surface <= feet
                                 : p.vy >= 0.0 && surface <= feet && r.x <= centre &&
                                       centre <= r.x + r.w && feet - p.vy <= surface;
        if (lands) {
            p.land(surface);
            return;
        }
    }
    if (p.vy == 0.0 && !p.airborne) {
        p.startFalling();
    }
}

void FightDriver::frame() {
    Prota& p = *scene->prota;
    const double shown = scene->wShown;
    if (fightStarted) {
        const FightPilot::Decision d = pilot.decide(*scene, *boss);
        p.keys = d.keys;
        input.buttons = d.fire ? SDL_BUTTON(SDL_BUTTON_LEFT) : 0;
        p.update(*scene, d.aimX, d.aimY);
        // The band follows the player and stops at the arena's ends; the player stays in it.
        camX = std::clamp(p.x + p.w / 2.0 - shown / 2.0, 0.0, scene->w - shown);
        const double left = camX;
        const double right = camX + shown;
        if (p.x < left || p.x + p.w > right) {
            p.moveTo(std::clamp(p.x, left, right - p.w), p.y);
        }
        landPlayer();
    }
    p.updateAnimation(!fightStarted);
    p.drawClipped(nullptr, kEverywhere);
    enemiesStep();
    bossStep();
    playerShotsStep();
    frames += 1;
}

void FightDriver::enemiesStep() {
    Prota& p = *scene->prota;
    for (std::size_t i = 0; i < scene->enemies.size();) {
        Enemigo& e = *scene->enemies[i];
        if (!e.dying) {
            if (!e.awake) {
                e.awake = e.seesPlayer(p.drawnRect());
            } else {
                e.update(p.drawnRect(), *scene);
            }
        }
        if (p.hitByRect(e.box2)) {
            hitsTaken += 1;
            if (std::getenv("FIGHT_TRACE")) fprintf(stderr, "f%d hit by %s at (%.2f,%.2f %.2fx%.2f) player (%.2f,%.2f) dash %d air %d\n", frames, typeid(e).name(), e.box2.x, e.box2.y, e.box2.w, e.box2.h, p.x, p.y, p.dashing, p.airborne);
        }
        e.drawClipped(nullptr, kEverywhere);
        if (e.isDead()) {
            p.addScore(e.score);
            p.addCoins(e.coinValue);
            scene->enemies.erase(scene->enemies.begin() + static_cast<long>(i));
        } else {
            ++i;
        }
    }
}

void FightDriver::bossStep() {
    Prota& p = *scene->prota;
    boss->update(p, *scene, camX, scene->wShown);
    if (p.hitByRect(boss->box2)) {
        hitsTaken += 1;
        if (std::getenv("FIGHT_TRACE")) fprintf(stderr, "f%d hit by boss box (%.2f,%.2f %.2fx%.2f) anim %s player (%.2f,%.2f)\n", frames, boss->box2.x, boss->box2.y, boss->box2.w, boss->box2.h, boss->currentAnimation.c_str(), p.x, p.y);
    }
    boss->drawClipped(nullptr, kEverywhere);
    boss->renderOverlay(nullptr, kEverywhere);
    if (boss->isDead()) {
        deathsReported += 1;
        p.addScore(boss->score);
        p.addCoins(boss->coinValue);
        p.hp = p.maxHp;
        scene->enemies.clear();
        boss->onDefeated(*scene);
        hpAfterDeath = p.hp;
        maxHpAfterDeath = p.maxHp;
    }
}

void FightDriver::playerShotsStep() {
    auto& shots = scene->playerShots;
    for (std::size_t i = 0; i < shots.size();) {
        auto& shot = shots[i];
        bool gone = shot->step(1.0, camX, 0.0);
        if (!gone) {
            bool taken = false;
            for (auto& e : scene->enemies) {
                if (e->hitByShot(shot)) {
                    taken = true;
                    break;
                }
            }
            // The boss is offered the shot too, even when an enemy took it.
            taken = boss->hitByShot(shot) || taken;
            gone = taken;
        }
        if (gone) {
            shots.erase(shots.begin() + static_cast<long>(i));
        } else {
            ++i;
        }
    }
}

int FightDriver::fight(int frameLimit) {
    const int start = frames;
    while (frames - start < frameLimit && scene->prota->hp > 0) {
        frame();
        if (deathsReported > 0 && scene->enemies.empty()) {
            break;
        }
    }
    return frames - start;
}
