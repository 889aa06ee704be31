#pragma once

#include <SDL.h>

// A pad as SDL's virtual joystick: plugged in and out, its buttons and axes set by hand. SDL
// maps a virtual game controller's buttons and axes in SDL_GameController order. SDL must be
// started with its joystick and game-controller parts; SDL_Quit takes the pad away (forget it
// then).
class VirtualPad {
public:
    VirtualPad() = default;
    ~VirtualPad() { unplug(); }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    // False (with SDL's reason in SDL_GetError) when no pad could be made.
    bool plug() {
        const int index =
            SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                      SDL_CONTROLLER_BUTTON_MAX, 0);
        if (index < 0) {
            return false;
        }
        joystick_ = SDL_JoystickOpen(index);
        if (joystick_ == nullptr) {
            return false;
        }
        // A virtual axis rests at 0, which is a half-pulled trigger: let go of both.
        axis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, -32768);
        axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, -32768);
        return true;
    }
    void unplug() {
        if (joystick_ == nullptr) {
            return;
        }
        const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
        SDL_JoystickClose(joystick_);
        joystick_ = nullptr;
        for (int i = 0; i < SDL_NumJoysticks(); ++i) {
            if (SDL_JoystickGetDeviceInstanceID(i) == id) {
                SDL_JoystickDetachVirtual(i);
                return;
            }
        }
    }
    // SDL was shut down: the pad went with it.
    void forget() { joystick_ = nullptr; }
    bool plugged() const { return joystick_ != nullptr; }

    void button(SDL_GameControllerButton b, bool down) {
        SDL_JoystickSetVirtualButton(joystick_, b, down ? 1 : 0);
    }
    // Sticks from -32768 to 32767; triggers from -32768 (rest) to 32767 (pulled).
    void axis(SDL_GameControllerAxis a, int value) {
        SDL_JoystickSetVirtualAxis(joystick_, a, static_cast<Sint16>(value));
    }

private:
    SDL_Joystick* joystick_ = nullptr;
};
