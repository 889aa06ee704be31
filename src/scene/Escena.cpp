#include "scene/Escena.hpp"

#include <SDL_render.h>

#include "actors/Disparo.hpp"
#include "actors/Prota.hpp"
#include "bosses/Jefe.hpp"
#include "enemies/Enemigo.hpp"
#include "npc/NPC.hpp"
#include "npc/Items.hpp"
#include "npc/Objeto.hpp"
#include "render/Background.hpp"

namespace {
SceneData emptyRoom(double width, double height) {
    SceneData d;
    d.width = width;
    d.height = height;
    d.wShown = width;
    d.boss = -1;
    d.linesBolsillos = -1;
    d.linesBotones = -1;
    d.protaPosition = WorldRect{1.0, 6.9, 1.0, 2.0};
    return d;
}
}  // namespace

Escena::Escena(SceneData sceneData, bool inf, int diff, bool tutorial)
    : Renderizable(nullptr, 0.0, 0.0, sceneData.width, sceneData.height),
      isTutorial(tutorial),
      infinite(inf),
      difficulty(diff),
      wShown(sceneData.wShown),
      data(std::move(sceneData)) {
    prota = std::make_shared<Prota>(data.protaPosition, infinite, difficulty);
}

Escena::Escena(double width, double height) : Escena(emptyRoom(width, height), false, 1, false) {}

Escena::Escena(double width, double height, SDL_Texture* background, const SDL_Rect& dst,
               int screenType, std::vector<std::shared_ptr<Button>> menuButtons)
    : Renderizable(background, 0.0, 0.0, width, height),
      type(screenType),
      quiet(true),
      wShown(width),
      buttons(std::move(menuButtons)) {
    dstRect = new SDL_Rect(dst);
}

Escena::~Escena() = default;

void Escena::handleEvent(const SDL_Event&, double, double, double) {}

int Escena::update(double, double&, double, double, double) {
    return kActionNone;
}

void Escena::render(SDL_Renderer* renderer) {
    if (renderer != nullptr && texture != nullptr) {
        SDL_RenderCopy(renderer, texture, srcRect, dstRect);
    }
}

void Escena::updateDstRect(double scale, double camX, double camY) {
    Renderizable::updateDstRect(scale, camX, camY);
}

void Escena::addEnemy(std::shared_ptr<Enemigo> enemy) {
    enemies.push_back(std::move(enemy));
}

void Escena::addEnemyShot(std::shared_ptr<Disparo> shot) {
    enemyShots.push_back(std::move(shot));
}
