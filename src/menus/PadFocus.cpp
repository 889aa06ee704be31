#include "menus/PadFocus.hpp"

#include <SDL_events.h>

#include "app/Platform.hpp"
#include "app/Screen.hpp"
#include "menus/ControlsMenu.hpp"

bool PadFocus::event(const SDL_Event& event, Screen* screen, std::int64_t nowNs) {
    gamepad_.setPlaying(screen != nullptr && screen->screenType() == kLevel);
    // The controls screen waiting for a pad button takes the next one pressed as it is.
    auto* controls = dynamic_cast<ControlsMenu*>(screen);
    if (controls != nullptr && controls->awaitedPadSlot != -1 &&
        event.type == SDL_CONTROLLERBUTTONDOWN) {
        gamepad_.handleEvent(event, nowNs);
        controls->bindPadButton(event.cbutton.button);
        return true;
    }
    bool used = false;
    for (const PadInput& input : gamepad_.handleEvent(event, nowNs)) {
        used = used || (input.pressed && input.control != PadControl::Aim);
        if (screen != nullptr) {
            screen->handlePad(input);
        }
    }
    // A pad pulled out in the middle of a run pauses it, as losing the window's focus does.
    if (event.type == SDL_CONTROLLERDEVICEREMOVED && screen != nullptr) {
        screen->requestPause();
    }
    return used;
}

bool PadFocus::pointerMoved() {
    int x = 0;
    int y = 0;
    platform().mousePosition(x, y);
    const bool moved = mouseSeen_ && (x != lastMouseX_ || y != lastMouseY_);
    mouseSeen_ = true;
    lastMouseX_ = x;
    lastMouseY_ = y;
    return moved;
}

void PadFocus::step(Screen& screen, bool onMenu, std::int64_t nowNs) {
    gamepad_.setPlaying(!onMenu);
    if (const std::optional<PadInput> aim = gamepad_.takeAim()) {
        screen.handlePad(*aim);
    }
    if (const std::optional<PadControl> again = gamepad_.repeatDue(nowNs); again && onMenu) {
        screen.handlePad(PadInput{*again, true});
    }
}

void PadFocus::carryHeld(Screen& level) const {
    for (const PadControl held : {PadControl::Left, PadControl::Right, PadControl::Down,
                                  PadControl::Dash, PadControl::Fire}) {
        if (gamepad_.held(held)) {
            level.handlePad(PadInput{held, true});
        }
    }
}
