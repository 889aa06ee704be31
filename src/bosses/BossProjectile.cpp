#include "bosses/BossProjectile.hpp"

#include "scene/Escena.hpp"

BossProjectile::BossProjectile() {
    maxHp = hp = kHealth;
    sightRange = kAlwaysAwake;
    score = 0;
    coinValue = 0;
}

bool BossProjectile::hitByShot(std::shared_ptr<Disparo>) {
    return false;
}

void BossProjectile::placeSprite(double px, double py, double pw, double ph,
                                 SDL_Texture* sheetTexture, int sheetX, int sheetY, int frameW,
                                 int frameH, int ticks) {
    x = px;
    y = py;
    w = pw;
    h = ph;
    sheet = sheetTexture;
    addAnimation("idle", 1, sheetX, sheetY, frameW, frameH, ticks, true, false);
    setAnimation("idle");
    parkOffScreen();
    updateHitboxes();
}

bool BossProjectile::partlyOutside(const Escena& scene) const {
    return x + w > scene.x + scene.w || y + h > scene.y + scene.h || x < scene.x || y < scene.y;
}

bool BossProjectile::whollyOutside(const Escena& scene) const {
    return x + w < scene.x || x > scene.x + scene.w || y + h < scene.y || y > scene.y + scene.h;
}

void BossProjectile::vanish() {
    hp = 0;
    dying = true;
}
