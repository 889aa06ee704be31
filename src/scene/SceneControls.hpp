#pragma once

union SDL_Event;
struct PadInput;
class Escena;

// The player's keys, mouse and pad in a scene: moving, ducking, jumping, dashing, shooting,
// aiming, interacting and pausing, with what a conversation holds back.
class SceneControls {
public:
    explicit SceneControls(Escena& scene) : s_(scene) {}

    void handleEvent(const SDL_Event& event, double scale, double camX, double camY);
    void handlePad(const PadInput& input);
    // The crosshair at the mouse pointer, or where the pad aims.
    void placeCrosshair(int mouseX, int mouseY, double scale, double camX, double camY);

private:
    Escena& s_;
};
