#include "enemies/Enemigo.hpp"

#include <algorithm>
#include <cmath>

#include "actors/Disparo.hpp"

Enemigo::Enemigo() {
    maxHp = 20;
    hp = 20;
    score = 0;
    coinValue = 0;
    dying = false;
    awake = false;
}

bool Enemigo::hitByShot(std::shared_ptr<Disparo> shot) {
    if (!shot || !overlaps(shot->rect(), hitbox)) {
        return false;
    }
    takeDamage(shot->damage);
    return true;
}

void Enemigo::takeDamage(int damage) {
    hp -= damage;
    if (hp < 1) {
        startDying();
    } else {
        playDamage();
    }
}

bool Enemigo::isDead() {
    return dying && currentAnimation != "death";
}

bool Enemigo::seesPlayer(const WorldRect& player) const {
    const double cx = x + w / 2.0;
    const double cy = y + h / 2.0;
    const double nearestX = std::clamp(cx, player.x, player.x + player.w);
    const double nearestY = std::clamp(cy, player.y, player.y + player.h);
    const double dx = cx - nearestX;
    const double dy = cy - nearestY;
    return sightRange * sightRange >= dx * dx + dy * dy;
}

void Enemigo::placeBody(double bodyX, double bodyY, double size, SDL_Texture* bodySheet) {
    x = bodyX;
    y = bodyY;
    w = size;
    h = size;
    sheet = bodySheet;
    parkOffScreen();
    updateHitboxes();
}

std::optional<UnitVector> Enemigo::aimAtPlayer(const WorldRect& player) const {
    const double dx = player.centerX() - (x + w / 2.0);
    const double dy = player.centerY() - (y + h / 2.0);
    const double length = std::hypot(dx, dy);
    if (!(length > 0.0)) {
        return std::nullopt;
    }
    return UnitVector{dx / length, dy / length};
}
