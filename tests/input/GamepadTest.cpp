#include "input/Gamepad.hpp"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

SDL_Event axis(SDL_GameControllerAxis which, int value) {
    SDL_Event e{};
    e.type = SDL_CONTROLLERAXISMOTION;
    e.caxis.axis = static_cast<Uint8>(which);
    e.caxis.value = static_cast<Sint16>(value);
    return e;
}

SDL_Event button(SDL_GameControllerButton which, bool down) {
    SDL_Event e{};
    e.type = down ? SDL_CONTROLLERBUTTONDOWN : SDL_CONTROLLERBUTTONUP;
    e.cbutton.button = static_cast<Uint8>(which);
    return e;
}

SDL_Event removed() {
    SDL_Event e{};
    e.type = SDL_CONTROLLERDEVICEREMOVED;
    e.cdevice.which = 7;
    return e;
}

// What came out, as "Right+", "Right-" or "Aim(0.71,0.71)".
std::string describe(const PadInput& in) {
    static const char* const kNames[] = {"Up",       "Down",  "Left", "Right", "Confirm", "Back",
                                         "Interact", "Start", "Fire", "Dash",  "Aim"};
    const std::string name = kNames[static_cast<int>(in.control)];
    if (in.control == PadControl::Aim) {
        char text[40];
        std::snprintf(text, sizeof text, "Aim(%.2f,%.2f)", in.aimX, in.aimY);
        return text;
    }
    return name + (in.pressed ? "+" : "-");
}

std::vector<std::string> play(Gamepad& pad, const std::vector<SDL_Event>& events) {
    std::vector<std::string> out;
    for (const SDL_Event& e : events) {
        for (const PadInput& in : pad.handleEvent(e, 0)) {
            out.push_back(describe(in));
        }
    }
    if (const std::optional<PadInput> aim = pad.takeAim()) {
        out.push_back(describe(*aim));
    }
    return out;
}

constexpr int kRest = Gamepad::kStickDeadZone - 1;
constexpr int kPush = Gamepad::kStickDeadZone + 1;

TEST(Gamepad, SticksAndTriggersCountOnlyOutsideTheirDeadZone) {
    struct Case {
        const char* what;
        std::vector<SDL_Event> events;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"a resting left stick", {axis(SDL_CONTROLLER_AXIS_LEFTX, 0)}, {}},
        {"left stick just inside, each way",
         {axis(SDL_CONTROLLER_AXIS_LEFTX, kRest), axis(SDL_CONTROLLER_AXIS_LEFTX, -kRest),
          axis(SDL_CONTROLLER_AXIS_LEFTY, kRest), axis(SDL_CONTROLLER_AXIS_LEFTY, -kRest)},
         {}},
        {"left stick just outside, each way",
         {axis(SDL_CONTROLLER_AXIS_LEFTX, kPush), axis(SDL_CONTROLLER_AXIS_LEFTX, -kPush),
          axis(SDL_CONTROLLER_AXIS_LEFTY, kPush), axis(SDL_CONTROLLER_AXIS_LEFTY, -kPush)},
         {"Right+", "Right-", "Left+", "Down+", "Down-", "Up+"}},
        {"a wobbling push is one press, released only near the centre",
         {axis(SDL_CONTROLLER_AXIS_LEFTX, 9000), axis(SDL_CONTROLLER_AXIS_LEFTX, 8100),
          axis(SDL_CONTROLLER_AXIS_LEFTX, 9500), axis(SDL_CONTROLLER_AXIS_LEFTX, 7000),
          axis(SDL_CONTROLLER_AXIS_LEFTX, 9000), axis(SDL_CONTROLLER_AXIS_LEFTX, 3000)},
         {"Right+", "Right-"}},
        {"a resting right stick does not aim",
         {axis(SDL_CONTROLLER_AXIS_RIGHTX, kRest), axis(SDL_CONTROLLER_AXIS_RIGHTY, 0),
          axis(SDL_CONTROLLER_AXIS_RIGHTX, 5000), axis(SDL_CONTROLLER_AXIS_RIGHTY, 5000)},
         {}},
        {"the right stick aims by its length, not one axis",
         {axis(SDL_CONTROLLER_AXIS_RIGHTX, 6000), axis(SDL_CONTROLLER_AXIS_RIGHTY, 6000)},
         {"Aim(0.71,0.71)"}},
        {"the right stick aims up",
         {axis(SDL_CONTROLLER_AXIS_RIGHTY, -32768)},
         {"Aim(0.00,-1.00)"}},
        {"a stick springing back keeps the aim it had",
         {axis(SDL_CONTROLLER_AXIS_RIGHTX, 20000), axis(SDL_CONTROLLER_AXIS_RIGHTY, -20000),
          axis(SDL_CONTROLLER_AXIS_RIGHTX, 0), axis(SDL_CONTROLLER_AXIS_RIGHTY, 0)},
         {}},
        {"triggers at rest and pulled",
         {axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, Gamepad::kTriggerThreshold),
          axis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, Gamepad::kTriggerThreshold),
          axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767),
          axis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 32767), axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 0)},
         {"Fire+", "Dash+", "Fire-"}},
        {"d-pad and stick the same way are one direction",
         {button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true), axis(SDL_CONTROLLER_AXIS_LEFTX, 20000),
          button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false), axis(SDL_CONTROLLER_AXIS_LEFTX, 0)},
         {"Right+", "Right-"}},
        {"the face buttons and the right shoulder",
         {button(SDL_CONTROLLER_BUTTON_A, true), button(SDL_CONTROLLER_BUTTON_B, true),
          button(SDL_CONTROLLER_BUTTON_X, true), button(SDL_CONTROLLER_BUTTON_START, true),
          button(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, true),
          button(SDL_CONTROLLER_BUTTON_A, false)},
         {"Confirm+", "Back+", "Interact+", "Start+", "Dash+", "Confirm-"}},
        {"a pad pulled out lets go of everything it held",
         {button(SDL_CONTROLLER_BUTTON_A, true), axis(SDL_CONTROLLER_AXIS_LEFTX, -20000),
          axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 30000), removed()},
         {"Confirm+", "Left+", "Fire+", "Left-", "Confirm-", "Fire-"}},
    };
    for (const Case& c : cases) {
        Gamepad pad;
        EXPECT_EQ(play(pad, c.events), c.expected) << c.what;
    }
}

}  // namespace
