#include "bosses/Jefe.hpp"

#include "actors/Disparo.hpp"
#include "render/Audio.hpp"
#include "scene/World.hpp"

void Jefe::onDefeated(World&) {}

void Jefe::renderOverlay(SDL_Renderer*, const SDL_Rect&) {}

void Jefe::updateOverlayDstRect(double, double, double) {}

bool Jefe::isDead() {
    if (deathReported || hp > 0) {
        return false;
    }
    deathReported = true;
    return true;
}

void Jefe::startFight() {
    // A second character finishing its lines must not restart the fight.
    if (phase != 0) {
        return;
    }
    phase = 1;
    audio::playMusic(fightMusic());
    onFightStarts();
}

bool Jefe::takeShot(const Disparo& shot) {
    hp -= shot.damage;
    const bool killed = hp < 1;
    if (killed) {
        startDying();
    }
    audio::playSound("bossHit");
    return killed;
}

void Jefe::enterArena(double startX, double startY, double width, double height, int health,
                      int reward, int coins, double startSpeed) {
    x = startX;
    y = startY;
    w = width;
    h = height;
    maxHp = hp = health;
    score = reward;
    coinValue = coins;
    speed = startSpeed;
    updateHitboxes();
    parkOffScreen();
}

void Jefe::startOnceTheTalkIsOver(const World& world) {
    if (phase == 0 && world.talkIsOver()) {
        startFight();
    }
}
