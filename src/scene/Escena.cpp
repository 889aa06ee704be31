#include "scene/Escena.hpp"

#include <SDL_render.h>

#include "actors/Disparo.hpp"
#include "enemies/Enemigo.hpp"

Escena::Escena(double width, double height) : Renderizable(nullptr, 0.0, 0.0, width, height) {
    wShown = width;
}

Escena::Escena(double width, double height, SDL_Texture* background, const SDL_Rect& dst,
               int screenType, std::vector<std::shared_ptr<Button>> menuButtons)
    : Renderizable(background, 0.0, 0.0, width, height),
      type(screenType),
      freeItem(false),
      quiet(true),
      wShown(width),
      buttons(std::move(menuButtons)) {
    dstRect = new SDL_Rect(dst);
}

Escena::~Escena() = default;

void Escena::render(SDL_Renderer* renderer) {
    if (renderer != nullptr && texture != nullptr) {
        SDL_RenderCopy(renderer, texture, srcRect, dstRect);
    }
}

void Escena::addEnemy(std::shared_ptr<Enemigo> enemy) {
    enemies.push_back(std::move(enemy));
}

void Escena::addEnemyShot(std::shared_ptr<Disparo> shot) {
    enemyShots.push_back(std::move(shot));
}
