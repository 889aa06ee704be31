#include "menus/QuestionBox.hpp"

#include <SDL.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kW = 1280;
constexpr int kH = 720;

SDL_Event key(Uint32 type, SDL_Keycode sym) {
    SDL_Event e{};
    e.type = type;
    e.key.keysym.sym = sym;
    return e;
}
SDL_Event pad(Uint32 type, SDL_GameControllerButton button) {
    SDL_Event e{};
    e.type = type;
    e.cbutton.button = static_cast<Uint8>(button);
    return e;
}
SDL_Event stick(int value) {
    SDL_Event e{};
    e.type = SDL_CONTROLLERAXISMOTION;
    e.caxis.axis = SDL_CONTROLLER_AXIS_LEFTX;
    e.caxis.value = static_cast<Sint16>(value);
    return e;
}
SDL_Event mouse(Uint32 type, const SDL_Rect& r) {
    SDL_Event e{};
    e.type = type;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.x = r.x + r.w / 2;
    e.button.y = r.y + r.h / 2;
    return e;
}

std::vector<SDL_Event> clickOn(const SDL_Rect& r) {
    return {mouse(SDL_MOUSEBUTTONDOWN, r), mouse(SDL_MOUSEBUTTONUP, r)};
}
std::vector<SDL_Event> tap(SDL_Keycode sym) {
    return {key(SDL_KEYDOWN, sym), key(SDL_KEYUP, sym)};
}
std::vector<SDL_Event> press(SDL_GameControllerButton b) {
    return {pad(SDL_CONTROLLERBUTTONDOWN, b), pad(SDL_CONTROLLERBUTTONUP, b)};
}

struct Case {
    const char* name;
    std::vector<std::vector<SDL_Event>> script;  // run in order, each a burst of events
    int answer;                                  // what the box hands back, or -2: no answer
};

TEST(QuestionBox, EveryWayOfAnsweringTakesTheRightChoice) {
    const QuestionBox layout("Story Mode", "Continue?", {"Continue", "New run"});
    const SDL_Rect first = layout.choiceRect(0, kW, kH);
    const SDL_Rect second = layout.choiceRect(1, kW, kH);
    const SDL_Event outside = mouse(SDL_MOUSEBUTTONUP, SDL_Rect{0, 0, 0, 0});
    const std::vector<Case> cases = {
        {"Return takes the first, highlighted from the start", {tap(SDLK_RETURN)}, 0},
        {"Right then Return takes the second", {tap(SDLK_RIGHT), tap(SDLK_RETURN)}, 1},
        {"the highlight stops at the last plate",
         {tap(SDLK_RIGHT), tap(SDLK_RIGHT), tap(SDLK_SPACE)},
         1},
        {"Escape closes with no answer", {tap(SDLK_ESCAPE)}, QuestionBox::kClosed},
        {"the pad's A takes the highlighted plate", {press(SDL_CONTROLLER_BUTTON_A)}, 0},
        {"d-pad right then A takes the second",
         {press(SDL_CONTROLLER_BUTTON_DPAD_RIGHT), press(SDL_CONTROLLER_BUTTON_A)},
         1},
        {"the stick moves once per push",
         {{stick(30000), stick(31000), stick(0), stick(-30000)}, press(SDL_CONTROLLER_BUTTON_A)},
         0},
        {"the pad's B closes", {press(SDL_CONTROLLER_BUTTON_B)}, QuestionBox::kClosed},
        {"a click on the second plate takes it", {clickOn(second)}, 1},
        {"a click on the first plate takes it", {tap(SDLK_RIGHT), clickOn(first)}, 0},
        {"pressing a plate and letting go elsewhere takes nothing",
         {{mouse(SDL_MOUSEBUTTONDOWN, second), outside}},
         -2},
        // The release of the press that opened the box is not an answer.
        {"a release with no press in the box is ignored",
         {{key(SDL_KEYUP, SDLK_RETURN), pad(SDL_CONTROLLERBUTTONUP, SDL_CONTROLLER_BUTTON_A)}},
         -2},
        {"an answer waits for the key to be let go", {{key(SDL_KEYDOWN, SDLK_RETURN)}}, -2},
        {"closing the window closes the box",
         {{[] {
             SDL_Event e{};
             e.type = SDL_QUIT;
             return e;
         }()}},
         QuestionBox::kClosed},
    };
    for (const Case& c : cases) {
        QuestionBox box("Story Mode", "Continue?", {"Continue", "New run"});
        for (const auto& burst : c.script) {
            for (const SDL_Event& e : burst) {
                box.handle(e, kW, kH);
            }
        }
        EXPECT_EQ(box.answered() ? box.answer() : -2, c.answer) << c.name;
    }
}

// The real box, asked over a window, takes its answer from the event queue and leaves the
// window's closing to the game.
TEST(QuestionBox, AskedOverAWindowItReadsTheQueueAndPassesAQuitOn) {
    SDL_Window* window = SDL_CreateWindow("q", 0, 0, kW, kH, SDL_WINDOW_HIDDEN);
    ASSERT_NE(window, nullptr);
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    ASSERT_NE(renderer, nullptr);
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    for (SDL_Event e : {pad(SDL_CONTROLLERBUTTONDOWN, SDL_CONTROLLER_BUTTON_DPAD_RIGHT),
                        pad(SDL_CONTROLLERBUTTONDOWN, SDL_CONTROLLER_BUTTON_A),
                        pad(SDL_CONTROLLERBUTTONUP, SDL_CONTROLLER_BUTTON_A)}) {
        SDL_PushEvent(&e);
    }
    EXPECT_EQ(QuestionBox::ask(window, "Story Mode", "Continue?", {"Continue", "New run"}), 1);
    // The game hears A let go, or its pad would hold A down and miss the next press.
    SDL_PumpEvents();
    SDL_Event released{};
    ASSERT_EQ(
        SDL_PeepEvents(&released, 1, SDL_GETEVENT, SDL_CONTROLLERBUTTONUP, SDL_CONTROLLERBUTTONUP),
        1);
    EXPECT_EQ(released.cbutton.button, SDL_CONTROLLER_BUTTON_A);

    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    EXPECT_EQ(QuestionBox::ask(window, "Story Mode", "Continue?", {"Continue", "New run"}),
              QuestionBox::kClosed);
    SDL_PumpEvents();
    EXPECT_EQ(SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_QUIT, SDL_QUIT), 1)
        << "the game never hears that its window was closed";
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
}

}  // namespace
