#include "bosses/BossProjectile.hpp"

#include "scene/World.hpp"

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

bool BossProjectile::partlyOutside(const World& world) const {
    const WorldRect room = world.room();
    return x + w > room.x + room.w || y + h > room.y + room.h || x < room.x || y < room.y;
}

bool BossProjectile::whollyOutside(const World& world) const {
    const WorldRect room = world.room();
    return x + w < room.x || x > room.x + room.w || y + h < room.y || y > room.y + room.h;
}

void BossProjectile::vanish() {
    hp = 0;
    dying = true;
}
