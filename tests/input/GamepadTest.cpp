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
    const auto lx = [](int v) { return axis(SDL_CONTROLLER_AXIS_LEFTX, v); };
    const auto ly = [](int v) { return axis(SDL_CONTROLLER_AXIS_LEFTY, v); };
    const auto rx = [](int v) { return axis(SDL_CONTROLLER_AXIS_RIGHTX, v); };
    const auto ry = [](int v) { return axis(SDL_CONTROLLER_AXIS_RIGHTY, v); };
    const auto lt = [](int v) { return axis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, v); };
    const auto rt = [](int v) { return axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, v); };
    const std::vector<Case> cases = {
        {"a resting left stick", {lx(0)}, {}},
        {"left stick just inside, each way", {lx(kRest), lx(-kRest), ly(kRest), ly(-kRest)}, {}},
        {"left stick just outside, each way",
         {lx(kPush), lx(-kPush), ly(kPush), ly(-kPush)},
         {"Right+", "Right-", "Left+", "Down+", "Down-", "Up+"}},
        {"a wobbling push is one press, released only near the centre",
         {lx(9000), lx(8100), lx(9500), lx(7000), lx(9000), lx(3000)},
         {"Right+", "Right-"}},
        {"a resting right stick does not aim", {rx(kRest), ry(0), rx(5000), ry(5000)}, {}},
        {"the right stick aims by its length, not one axis",
         {rx(6000), ry(6000)},
         {"Aim(0.71,0.71)"}},
        {"the right stick aims up", {ry(-32768)}, {"Aim(0.00,-1.00)"}},
        {"a stick springing back keeps the aim it had", {rx(20000), ry(-20000), rx(0), ry(0)}, {}},
        {"triggers at rest and pulled",
         {rt(Gamepad::kTriggerThreshold), lt(Gamepad::kTriggerThreshold), rt(32767), lt(32767),
          rt(0)},
         {"Fire+", "Dash+", "Fire-"}},
        {"d-pad and stick the same way are one direction",
         {button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true), lx(20000),
          button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false), lx(0)},
         {"Right+", "Right-"}},
        {"the face buttons and the right shoulder",
         {button(SDL_CONTROLLER_BUTTON_A, true), button(SDL_CONTROLLER_BUTTON_B, true),
          button(SDL_CONTROLLER_BUTTON_X, true), button(SDL_CONTROLLER_BUTTON_START, true),
          button(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, true),
          button(SDL_CONTROLLER_BUTTON_A, false)},
         {"Confirm+", "Back+", "Interact+", "Start+", "Dash+", "Confirm-"}},
        {"a pad pulled out lets go of everything it held",
         {button(SDL_CONTROLLER_BUTTON_A, true), lx(-20000), rt(30000), removed()},
         {"Confirm+", "Left+", "Fire+", "Left-", "Confirm-", "Fire-"}},
    };
    for (const Case& c : cases) {
        Gamepad pad;
        EXPECT_EQ(play(pad, c.events), c.expected) << c.what;
    }
}

}  // namespace
