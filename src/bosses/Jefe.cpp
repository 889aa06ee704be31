#include "bosses/Jefe.hpp"

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

void Jefe::startOnceTheTalkIsOver(const Escena& scene) {
    if (phase == 0 && !scene.npcs.empty() && !scene.talking(false)) {
        startFight();
    }
}
