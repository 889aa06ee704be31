#pragma once

#include <cstdint>

#include "input/Gamepad.hpp"

class Screen;
union SDL_Event;

// The pads and the mouse take turns: the pad's inputs go to the screen shown, and the game
// knows which was used last (the menus show their highlight for the pad, the mouse hides it).
class PadFocus {
public:
    const Gamepad& pad() const { return gamepad_; }
    Gamepad& pad() { return gamepad_; }

    // One pad event at nowNs, told to screen (may be null). True when a control other than the
    // aim was pressed: the pad is in use.
    bool event(const SDL_Event& event, Screen* screen, std::int64_t nowNs);
    // Once per update: true when the pointer has moved since the last.
    bool pointerMoved();
    // Once per update: the right stick's aim, and on menus a direction held long enough to
    // step again, go to screen.
    void step(Screen& screen, bool onMenu, std::int64_t nowNs);
    // A resumed level gets what is still held: the stick still pushed walks on, the trigger
    // still pulled fires on. A jump needs a fresh press.
    void carryHeld(Screen& level) const;

private:
    Gamepad gamepad_;
    bool mouseSeen_ = false;  // the pointer's position at the last update, once known
    int lastMouseX_ = 0;
    int lastMouseY_ = 0;
};
