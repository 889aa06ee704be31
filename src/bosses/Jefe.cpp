#include "bosses/Jefe.hpp"

#include <SDL_rect.h>

#include "scene/Escena.hpp"

void Jefe::onDefeated(Escena&) {}

void Jefe::renderOverlay(SDL_Renderer*, const SDL_Rect&) {}

void Jefe::updateOverlayDstRect(double, double, double) {}

bool Jefe::isDead() {
    if (deathReported || hp > 0) {
        return false;
    }
    deathReported = true;
    return true;
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
    ensureDstRect();
    *dstRect = SDL_Rect{-1000, -1000, 0, 0};
}

void Jefe::startOnceTheTalkIsOver(const Escena& scene) {
    if (phase == 0 && !scene.npcs.empty() && !scene.talking(false)) {
        startFight();
    }
}
