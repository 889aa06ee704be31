#pragma once

#include <cstdint>
#include <map>
#include <optional>

#include "input/PadInput.hpp"

struct _SDL_GameController;
union SDL_Event;

// The gamepads plugged in: opens each as SDL announces it and closes it when it is pulled out,
// at any moment. Every pad's sticks, triggers and buttons are read from SDL's events alone
// (never from the device), so a recorded game replays the same with no pad attached; their
// meaning (move, jump, shoot...) reaches the screen shown as PadInputs, the aim once a frame.
//
// All pads plugged in act as one: any of them may play.
class Gamepad {
public:
    // A stick this close to its centre is at rest: a worn stick never drifts the hero or the aim.
    static constexpr int kStickDeadZone = 8000;
    // A direction pushed stays pushed until the stick comes back this close, so a stick resting
    // on the edge of the dead zone does not chatter.
    static constexpr int kStickReleaseZone = 6000;
    // A trigger pulled less than this is at rest.
    static constexpr int kTriggerThreshold = 8000;
    // A held direction moves the menu highlight again after this long, then at this interval.
    static constexpr std::int64_t kNavRepeatDelayMs = 400;
    static constexpr std::int64_t kNavRepeatIntervalMs = 120;

    Gamepad() = default;
    ~Gamepad();
    Gamepad(Gamepad&& other) noexcept;
    Gamepad& operator=(Gamepad&& other) noexcept;
    Gamepad(const Gamepad&) = delete;
    Gamepad& operator=(const Gamepad&) = delete;

    // Whether the event is one of a pad's (buttons, axes, plugging in or out).
    static bool isPadEvent(const SDL_Event& event);
    // Takes one pad event at nowNs (the game's clock) and says what changed for the game.
    // A pad pulled out releases everything it held.
    PadInputs handleEvent(const SDL_Event& event, std::int64_t nowNs);
    // Where the right stick points once this frame's events are in, if it moved and is out of
    // its dead zone. Read once a frame: a stick springing back sends one axis before the other,
    // and the aim must not swing to whichever came last.
    std::optional<PadInput> takeAim();
    // A menu direction held long enough to step again at nowNs, if any.
    std::optional<PadControl> repeatDue(std::int64_t nowNs);
    // Whether the control is held now (the sticks and triggers past their thresholds).
    bool held(PadControl control) const;

    // In a level the pad's jump, interact, dash and pause follow the player's bindings; on the
    // menus A, X and Start keep their places. What is held is taken anew, without a press.
    void setPlaying(bool playing);

    // Closes every pad (before SDL shuts down).
    void closeAll();
    int openCount() const { return static_cast<int>(open_.size()); }

private:
    enum Axis { kLeftX, kLeftY, kRightX, kRightY, kLeftTrigger, kRightTrigger, kAxisCount };

    void opened(int deviceIndex);
    void closed(int instanceId);
    // Compares what is held now with before, adding the presses and releases.
    void emitChanges(std::uint32_t before, PadInputs& out, std::int64_t nowNs);
    std::uint32_t heldNow() const;
    bool stickPushed(int value, int sign, bool wasHeld) const;

    std::map<int, _SDL_GameController*> open_;  // by joystick instance id
    int axes_[kAxisCount] = {};
    std::uint32_t buttons_ = 0;  // bit per SDL_GameControllerButton
    std::uint32_t held_ = 0;     // bit per PadControl
    bool aimMoved_ = false;      // the right stick moved since takeAim
    bool playing_ = false;
    std::optional<PadControl> navHeld_;
    std::int64_t navNextNs_ = 0;
};
