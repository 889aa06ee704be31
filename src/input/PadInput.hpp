#pragma once

#include <array>
#include <cstddef>

// What a gamepad asks of the screen shown, with no device behind it: the game turns the pad's
// events into these, so a level or a menu never reads the pad itself and a recorded game plays
// the same again.
enum class PadControl {
    Up,        // left stick or d-pad up: menus only
    Down,      // left stick or d-pad down: menus, and ducks in a level
    Left,      // left stick or d-pad left
    Right,     // left stick or d-pad right
    Confirm,   // A (south): jumps, presses the highlighted button
    Back,      // B (east): what Escape does on that screen
    Interact,  // X (west): talks, takes, leaves, advances dialogue
    Start,     // pauses and resumes
    Fire,      // right trigger held: shoots at the hero's fire rate
    Dash,      // left trigger or right shoulder held
    Aim,       // right stick out of its dead zone, towards (aimX, aimY)
};

// One change of a control: a press or release, or a new aim direction (a unit vector, y down).
struct PadInput {
    PadControl control = PadControl::Confirm;
    bool pressed = false;
    double aimX = 0.0;
    double aimY = 0.0;
};

// The changes one pad event makes: a stick flicked across releases one way and presses the
// other, a pad pulled out lets go of everything. Each control changes at most once.
struct PadInputs {
    static constexpr std::size_t kMax = static_cast<std::size_t>(PadControl::Aim) + 1;
    std::array<PadInput, kMax> items{};
    std::size_t count = 0;

    void add(const PadInput& input) {
        if (count < kMax) {
            items[count++] = input;
        }
    }
    const PadInput* begin() const { return items.data(); }
    const PadInput* end() const { return items.data() + count; }
};
