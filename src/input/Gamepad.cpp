#include "input/Gamepad.hpp"

#include <SDL.h>

#include <cmath>
#include <utility>

#include "app/GameGlobals.hpp"

namespace {

constexpr std::uint32_t bitOf(PadControl control) {
    return 1u << static_cast<unsigned>(control);
}

constexpr std::uint32_t bitOf(SDL_GameControllerButton button) {
    return 1u << static_cast<unsigned>(button);
}

// The controls that are held (everything but the aim), in the order their changes are told.
constexpr PadControl kHeldControls[] = {
    PadControl::Up,      PadControl::Down, PadControl::Left,     PadControl::Right,
    PadControl::Confirm, PadControl::Back, PadControl::Interact, PadControl::Start,
    PadControl::Fire,    PadControl::Dash,
};

bool isDirection(PadControl control) {
    return control == PadControl::Up || control == PadControl::Down ||
           control == PadControl::Left || control == PadControl::Right;
}

constexpr std::int64_t msToNs(std::int64_t ms) {
    return ms * 1'000'000;
}

}  // namespace

Gamepad::~Gamepad() {
    closeAll();
}

Gamepad::Gamepad(Gamepad&& other) noexcept
    : open_(std::exchange(other.open_, {})),
      buttons_(other.buttons_),
      held_(other.held_),
      aimMoved_(other.aimMoved_),
      playing_(other.playing_),
      navHeld_(other.navHeld_),
      navNextNs_(other.navNextNs_) {
    std::copy(std::begin(other.axes_), std::end(other.axes_), axes_);
}

Gamepad& Gamepad::operator=(Gamepad&& other) noexcept {
    if (this != &other) {
        closeAll();
        open_ = std::exchange(other.open_, {});
        std::copy(std::begin(other.axes_), std::end(other.axes_), axes_);
        buttons_ = other.buttons_;
        held_ = other.held_;
        aimMoved_ = other.aimMoved_;
        playing_ = other.playing_;
        navHeld_ = other.navHeld_;
        navNextNs_ = other.navNextNs_;
    }
    return *this;
}

void Gamepad::closeAll() {
    // SDL closes every pad itself when it shuts down; closing one again would free it twice.
    if (SDL_WasInit(SDL_INIT_GAMECONTROLLER) != 0) {
        for (auto& [id, controller] : open_) {
            SDL_GameControllerClose(controller);
        }
    }
    open_.clear();
}

bool Gamepad::isPadEvent(const SDL_Event& event) {
    switch (event.type) {
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
        case SDL_CONTROLLERAXISMOTION:
        case SDL_CONTROLLERDEVICEADDED:
        case SDL_CONTROLLERDEVICEREMOVED:
            return true;
        default:
            return false;
    }
}

void Gamepad::opened(int deviceIndex) {
    if (SDL_WasInit(SDL_INIT_GAMECONTROLLER) == 0) {
        return;
    }
    // A replay announces the pads that were plugged in then; opening one that is not there
    // fails quietly and the replay plays on from the recorded events.
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (controller == nullptr) {
        return;
    }
    const int id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
    if (open_.count(id) != 0) {
        // Announced twice (at start-up SDL tells of every pad already there): one handle is
        // enough.
        SDL_GameControllerClose(controller);
        return;
    }
    open_[id] = controller;
}

void Gamepad::closed(int instanceId) {
    const auto it = open_.find(instanceId);
    if (it != open_.end()) {
        if (SDL_WasInit(SDL_INIT_GAMECONTROLLER) != 0) {
            SDL_GameControllerClose(it->second);
        }
        open_.erase(it);
    }
}

bool Gamepad::stickPushed(int value, int sign, bool wasHeld) const {
    const int along = value * sign;
    return along > (wasHeld ? kStickReleaseZone : kStickDeadZone);
}

std::uint32_t Gamepad::heldNow() const {
    auto was = [&](PadControl c) { return (held_ & bitOf(c)) != 0; };
    auto button = [&](SDL_GameControllerButton b) { return (buttons_ & bitOf(b)) != 0; };
    std::uint32_t now = 0;
    auto hold = [&](PadControl c, bool on) {
        if (on) {
            now |= bitOf(c);
        }
    };
    hold(PadControl::Up, button(SDL_CONTROLLER_BUTTON_DPAD_UP) ||
                             stickPushed(axes_[kLeftY], -1, was(PadControl::Up)));
    hold(PadControl::Down, button(SDL_CONTROLLER_BUTTON_DPAD_DOWN) ||
                               stickPushed(axes_[kLeftY], 1, was(PadControl::Down)));
    hold(PadControl::Left, button(SDL_CONTROLLER_BUTTON_DPAD_LEFT) ||
                               stickPushed(axes_[kLeftX], -1, was(PadControl::Left)));
    hold(PadControl::Right, button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT) ||
                                stickPushed(axes_[kLeftX], 1, was(PadControl::Right)));
    const PadBindings& bound = globals().padBindings;
    auto boundButton = [&](int b) { return b >= 0 && b < 32 && (buttons_ & (1u << b)) != 0; };
    hold(PadControl::Confirm, playing_ ? boundButton(bound.jump) : button(SDL_CONTROLLER_BUTTON_A));
    hold(PadControl::Back, button(SDL_CONTROLLER_BUTTON_B));
    hold(PadControl::Interact,
         playing_ ? boundButton(bound.interact) : button(SDL_CONTROLLER_BUTTON_X));
    hold(PadControl::Start,
         playing_ ? boundButton(bound.pause) : button(SDL_CONTROLLER_BUTTON_START));
    hold(PadControl::Fire, axes_[kRightTrigger] > kTriggerThreshold);
    hold(PadControl::Dash, boundButton(bound.dash) || axes_[kLeftTrigger] > kTriggerThreshold);
    return now;
}

void Gamepad::emitChanges(std::uint32_t before, PadInputs& out, std::int64_t nowNs) {
    // Releases first: a stick flicked from left to right lets go of left before pushing right.
    for (const bool pressed : {false, true}) {
        for (const PadControl c : kHeldControls) {
            const bool wasHeld = (before & bitOf(c)) != 0;
            const bool isHeld = (held_ & bitOf(c)) != 0;
            if (wasHeld == isHeld || isHeld != pressed) {
                continue;
            }
            out.add({c, isHeld});
            if (!isDirection(c)) {
                continue;
            }
            if (isHeld) {
                navHeld_ = c;
                navNextNs_ = nowNs + msToNs(kNavRepeatDelayMs);
            } else if (navHeld_ == c) {
                navHeld_.reset();
            }
        }
    }
}

PadInputs Gamepad::handleEvent(const SDL_Event& event, std::int64_t nowNs) {
    PadInputs out;
    const std::uint32_t before = held_;
    switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED:
            opened(event.cdevice.which);
            return out;
        case SDL_CONTROLLERDEVICEREMOVED:
            closed(event.cdevice.which);
            // Whatever the pad held is let go: nothing stays pressed by a pad no longer there.
            std::fill(std::begin(axes_), std::end(axes_), 0);
            buttons_ = 0;
            aimMoved_ = false;
            break;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            if (event.cbutton.button < 32) {
                const std::uint32_t bit = 1u << event.cbutton.button;
                buttons_ =
                    event.type == SDL_CONTROLLERBUTTONDOWN ? buttons_ | bit : buttons_ & ~bit;
            }
            break;
        case SDL_CONTROLLERAXISMOTION: {
            const int axis = event.caxis.axis;
            if (axis < 0 || axis >= kAxisCount) {
                return out;
            }
            axes_[axis] = event.caxis.value;
            if (axis == kRightX || axis == kRightY) {
                aimMoved_ = true;
            }
            break;
        }
        default:
            return out;
    }
    held_ = heldNow();
    emitChanges(before, out, nowNs);
    return out;
}

void Gamepad::setPlaying(bool playing) {
    if (playing != playing_) {
        playing_ = playing;
        held_ = heldNow();
    }
}

std::optional<PadInput> Gamepad::takeAim() {
    if (!aimMoved_) {
        return std::nullopt;
    }
    aimMoved_ = false;
    const double x = axes_[kRightX];
    const double y = axes_[kRightY];
    const double length = std::hypot(x, y);
    if (length <= kStickDeadZone) {
        return std::nullopt;
    }
    return PadInput{PadControl::Aim, true, x / length, y / length};
}

std::optional<PadControl> Gamepad::repeatDue(std::int64_t nowNs) {
    if (!navHeld_ || nowNs < navNextNs_) {
        return std::nullopt;
    }
    navNextNs_ = nowNs + msToNs(kNavRepeatIntervalMs);
    return navHeld_;
}

bool Gamepad::held(PadControl control) const {
    return (held_ & bitOf(control)) != 0;
}
