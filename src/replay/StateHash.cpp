#include "replay/StateHash.hpp"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

#include "actors/Disparo.hpp"
#include "actors/Mortal.hpp"
#include "actors/Prota.hpp"
#include "app/Game.hpp"
#include "app/GameGlobals.hpp"
#include "bosses/Jefe.hpp"
#include "enemies/Enemigo.hpp"
#include "npc/NPC.hpp"
#include "npc/Objeto.hpp"
#include "render/Renderizable.hpp"
#include "scene/Escena.hpp"

StateHash& StateHash::add(std::int64_t value) {
    for (int i = 0; i < 8; ++i) {
        value_ ^= static_cast<std::uint64_t>(value >> (8 * i)) & 0xffu;
        value_ *= 1099511628211ull;
    }
    return *this;
}

StateHash& StateHash::add(double value) {
    std::int64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return add(bits);
}

StateHash& StateHash::add(const Renderizable& thing) {
    return add(thing.x).add(thing.y).add(thing.w).add(thing.h).add(thing.angle);
}

StateHash& StateHash::add(const Mortal& mortal) {
    return add(static_cast<const Renderizable&>(mortal))
        .add(mortal.hp)
        .add(mortal.maxHp)
        .add(mortal.score)
        .add(mortal.dying);
}

std::string StateHash::hex() const {
    char digits[17];
    std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(value_));
    return digits;
}

std::string StateHash::of(Game& game) {
    StateHash h;
    const GameGlobals& g = globals();
    h.add(g.difficulty).add(g.revivesLeft).add(g.checkpointLevel).add(g.enemyLevel);
    h.add(g.deathScore).add(g.deathMaxHealth).add(g.deathMoney).add(g.maxLevel);
    h.add(static_cast<std::int64_t>(game.playSeconds()))
        .add(game.camX())
        .add(game.camY())
        .add(game.scale());
    // The next draw of each random source stands for its whole state; the Game's own is copied
    // so taking the fingerprint does not move it.
    std::mt19937 rngCopy = game.rng();
    h.add(static_cast<std::int64_t>(rngCopy())).add(std::rand());

    h.add(game.current() ? game.current()->screenType() : -1);
    // The run in progress, shown or kept behind a menu.
    const Escena* scene = game.level().get();
    if (scene == nullptr) {
        return h.add(-1).hex();
    }
    h.add(scene->screenType()).add(scene->levelNumber).add(scene->exitRequested);
    h.add(scene->pauseRequested).add(scene->backgroundScroll);
    if (const Prota* p = scene->prota.get()) {
        h.add(*p).add(p->vx).add(p->vy).add(p->coins).add(p->ducking).add(p->dashing);
        h.add(p->airborne).add(p->shotCooldown).add(p->dashTimer).add(p->dashCooldown);
        h.add(p->invulnerableTimer).add(p->shotDamage).add(p->walkSpeed).add(p->shotRange);
        h.add(p->fireDelay);
    }
    h.add(static_cast<int>(scene->enemies.size()));
    for (const auto& enemy : scene->enemies) {
        h.add(*enemy).add(enemy->awake);
    }
    if (const Jefe* boss = scene->boss.get()) {
        h.add(*boss).add(boss->phase).add(boss->speed).add(boss->aux);
    }
    for (const auto* shots : {&scene->playerShots, &scene->enemyShots}) {
        h.add(static_cast<int>(shots->size()));
        for (const auto& shot : *shots) {
            h.add(*shot).add(shot->vx).add(shot->vy).add(shot->damage).add(shot->lifetime);
        }
    }
    h.add(static_cast<int>(scene->items.size()));
    for (const auto& item : scene->items) {
        h.add(*item);
    }
    h.add(static_cast<int>(scene->npcs.size()));
    for (const auto& npc : scene->npcs) {
        h.add(*npc).add(npc->finished());
    }
    return h.hex();
}
