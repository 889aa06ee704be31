#include "scene/SceneCamera.hpp"

#include <algorithm>

#include "actors/Prota.hpp"
#include "scene/Escena.hpp"

void SceneCamera::scrollCamera(double viewWidth, double margin, double& camX) {
    const double left = camX + (viewWidth - s_.wShown) / 2.0;
    const double right = left + s_.wShown;
    const double px = s_.prota->x;
    const double pw = s_.prota->w;
    const double vx = s_.prota->vx;
    if (vx > 0.0) {
        const double front = px + pw + margin;
        if (front + vx >= right) {
            applyScroll(std::max(0.0, std::min(front - right, s_.w - right)), camX);
        }
        if (px + pw + vx > right) {
            // The band has reached the scene's right end: the player stops at its edge.
            s_.prota->moveTo(right - pw, s_.prota->y);
            camX = (s_.w - s_.wShown) - (viewWidth - s_.wShown) / 2.0;
            s_.scrolled_ = s_.w - s_.wShown;
        }
    } else if (vx < 0.0) {
        const double back = px - margin;
        if (back + vx < left) {
            applyScroll(-std::max(0.0, left - std::max(back, 0.0)), camX);
        }
        if (px + vx < left) {
            s_.prota->moveTo(left, s_.prota->y);
            camX = (s_.wShown - viewWidth) / 2.0;
            s_.scrolled_ = 0.0;
            s_.backgroundScroll = 0.0;
            if (s_.srcRect != nullptr) {
                s_.srcRect->x = 0;
            }
        }
    }
}

void SceneCamera::applyScroll(double s, double& camX) {
    if (s == 0.0) {
        return;
    }
    if (s_.srcRect != nullptr && s_.h > 0.0) {
        s_.backgroundScroll += s * s_.srcRect->h / s_.h;
        s_.srcRect->x = static_cast<int>(s_.backgroundScroll);
    }
    s_.hearts->x += s;
    s_.emptyHearts->x += s;
    camX += s;
    s_.scrolled_ += s;
    s_.crosshair->x += s;
}
