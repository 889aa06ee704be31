#pragma once

#include <memory>

#include "menus/Menu.hpp"

// The settings screen: language (hidden while a run is paused), music and effect volumes with
// mute, and the way to the controls screen. Volumes run 0 to 100 in steps of 5; muting keeps the
// volume aside until unmuted.
class SettingsMenu : public Menu {
public:
    static constexpr int kVolumeStep = 5;
    static constexpr int kMaxVolume = 100;
    // The bar is a triangle image 2000 pixels wide at full volume: 20 pixels per volume point,
    // and two world units long at full volume.
    static constexpr int kBarPixelsPerPoint = 20;
    static constexpr int kBarImageHeight = 1000;
    static constexpr double kBarPointsPerUnit = 50.0;

    SettingsMenu();

    void updateDstRect(double scale, double camX, double camY) override;

    // A volume and the value kept aside while it is muted (0 when not muted).
    static void volumeUp(int& volume, int& saved);
    static void volumeDown(int& volume, int& saved);
    static void toggleMute(int& volume, int& saved);

    Renderizable musicBar;
    Renderizable sfxBar;

protected:
    int takeClick(int id) override;
    void renderExtras(SDL_Renderer* renderer) override;

private:
    // Applies the volume, shows the mute button's speaker and sizes the bar.
    void volumeChanged(bool music);
};
