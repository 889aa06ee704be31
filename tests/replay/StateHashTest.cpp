#include "replay/StateHash.hpp"

#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

#include "actors/Prota.hpp"
#include "app/App.hpp"
#include "app/Platform.hpp"
#include "scene/Escena.hpp"
#include "support/SceneHarness.hpp"
#include "support/TempRunFolder.hpp"

namespace {

// Plays the first level of the first pool headless for two seconds: walking right, shooting at
// a fixed point, and on request one step left in the middle. One frame in drawEvery is drawn.
// The fingerprint comes with the frame of the hero's animation (drawing moves it on).
std::string playLevel(bool stepAside, int drawEvery = 1) {
    TempRunFolder run;
    ScriptedPlatform machine;
    ScopedPlatform use{machine};
    App::Options options;
    options.seed = 11;
    options.scene = harness::shippedScene("scenes_1", 0);
    App app(options);
    EXPECT_TRUE(app.startUp());
    machine.mouseX = 900;
    machine.mouseY = 300;
    for (int frame = 0; frame < 200; ++frame) {
        if (frame == 5) {
            SDL_Event e = harness::keyEvent(SDL_KEYDOWN, SDLK_d);
            SDL_PushEvent(&e);
            machine.buttons = SDL_BUTTON(SDL_BUTTON_LEFT);
        }
        if (stepAside && frame == 100) {
            SDL_Event e = harness::keyEvent(SDL_KEYDOWN, SDLK_a);
            SDL_PushEvent(&e);
        }
        if (stepAside && frame == 101) {
            SDL_Event e = harness::keyEvent(SDL_KEYUP, SDLK_a);
            SDL_PushEvent(&e);
        }
        machine.advanceMs(10);
        EXPECT_TRUE(app.frame(frame % drawEvery == 0));
    }
    std::string hash = StateHash::of(app.game());
    hash += " hero frame " + std::to_string(app.game().level()->prota->frame);
    app.shutDown();
    return hash;
}

// The soak draws one frame in many; the frames it does not draw must play exactly as drawn ones.
TEST(StateHash, FramesPlayedWithoutDrawingEndWhereDrawnOnesDo) {
    const std::string drawn = playLevel(false);
    EXPECT_EQ(playLevel(false, 7), drawn);
    EXPECT_EQ(playLevel(false, 1'000), drawn);
}

}  // namespace
