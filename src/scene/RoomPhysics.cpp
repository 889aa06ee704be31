#include "scene/RoomPhysics.hpp"

#include "actors/Prota.hpp"
#include "scene/Obstucalo.hpp"
#include "scene/Plataforma.hpp"
#include "scene/SceneData.hpp"

namespace room_physics {

bool isFloor(const Plataforma& p, double sceneWidth) {
    return p.x == 0.0 && p.y == kFloorY && (p.w == 16.0 || p.w == 32.0 || p.w >= sceneWidth);
}

void build(const SceneData& d, const std::function<SDL_Texture*(int)>& image,
           std::vector<std::shared_ptr<Plataforma>>& platforms,
           std::vector<std::shared_ptr<Obstucalo>>& obstacles) {
    for (std::size_t i = 0; i < d.platformPositions.size(); ++i) {
        const WorldRect& p = d.platformPositions[i];
        const int index = i < d.platformIndex.size() ? d.platformIndex[i] : -1;
        std::shared_ptr<Plataforma> platform;
        if (index == -1) {
            // An invisible ledge: its top is its y.
            platform = std::make_shared<Plataforma>(nullptr, p.x, p.y, p.w, 0.0, p.y);
        } else {
            const double surface = i < d.platformSurfaces.size() ? d.platformSurfaces[i] : p.y;
            platform = std::make_shared<Plataforma>(image(index), p.x, p.y, p.w, p.h, surface);
            if (i < d.platformSrc.size()) {
                platform->setSrcRect(d.platformSrc[i]);
            }
            platform->ensureDstRect();
        }
        platforms.push_back(platform);
    }
    for (std::size_t i = 0; i < d.obstaclePositions.size() && i < d.obstacleHitboxes.size(); ++i) {
        const int index = i < d.obstacleIndex.size() ? d.obstacleIndex[i] : -1;
        auto obstacle = std::make_shared<Obstucalo>(image(index), d.obstaclePositions[i],
                                                    d.obstacleHitboxes[i]);
        if (i < d.obstacleSrc.size()) {
            obstacle->setSrcRect(d.obstacleSrc[i]);
        }
        obstacle->ensureDstRect();
        platforms.push_back(obstacle);
        obstacles.push_back(obstacle);
    }
}

int land(const std::vector<std::shared_ptr<Plataforma>>& platforms, Prota& p, double sceneWidth) {
    if (p.y <= 0.0) {
        p.hitCeiling(0.0);
        return -1;
    }
    const double feet = p.y + p.h;
    const double centreX = p.x + p.w / 2.0;
    for (std::size_t i = 0; i < platforms.size(); ++i) {
        const Plataforma& ledge = *platforms[i];
        if (ledge.holds(feet, centreX, p.vy, isFloor(ledge, sceneWidth))) {
            p.land(ledge.surface);
            return static_cast<int>(i);
        }
    }
    if (p.vy == 0.0 && !p.airborne) {
        p.startFalling();
    }
    return -1;
}

int collide(const std::vector<std::shared_ptr<Obstucalo>>& obstacles, Prota& p, double sceneWidth) {
    int landedOn = -1;
    for (std::size_t i = 0; i < obstacles.size(); ++i) {
        const Obstucalo& o = *obstacles[i];
        const WorldRect box{p.x, p.y, p.w, p.h};
        switch (o.collide(box, p.vx, p.vy, isFloor(o, sceneWidth))) {
            case Obstucalo::kLeftFace:
                p.moveTo(o.hitbox.x - p.w, p.y);
                break;
            case Obstucalo::kRightFace:
                p.moveTo(o.hitbox.x + o.hitbox.w, p.y);
                break;
            case Obstucalo::kUnderside:
                p.hitCeiling(o.hitbox.y + o.hitbox.h);
                break;
            case Obstucalo::kTop:
                p.land(o.surface);
                landedOn = static_cast<int>(i);
                break;
            case Obstucalo::kNone:
                break;
        }
    }
    return landedOn;
}

}  // namespace room_physics
