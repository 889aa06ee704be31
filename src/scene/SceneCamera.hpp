#pragma once

class Escena;

// Keeps the camera on the player as they walk: the band scrolls with the background picture,
// the HUD hearts and the crosshair, and stops the player at the scene's ends.
class SceneCamera {
public:
    explicit SceneCamera(Escena& scene) : s_(scene) {}

    // Scrolls so the player keeps margin units ahead; stops the player at the band's edges.
    void scrollCamera(double viewWidth, double margin, double& camX);

private:
    void applyScroll(double s, double& camX);

    Escena& s_;
};
