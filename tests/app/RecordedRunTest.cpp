#include "replay/RecordedRun.hpp"

#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

#include "app/App.hpp"
#include "app/Game.hpp"
#include "app/Platform.hpp"
#include "replay/StateHash.hpp"
#include "support/SceneHarness.hpp"
#include "support/TempRunFolder.hpp"

namespace {

constexpr int kFrames = 300;

App::Options levelOptions(RecordedRun& run) {
    App::Options options;
    options.feed = &run;
    options.seed = 23;
    options.scene = harness::shippedScene("scenes_1", 0);
    return options;
}

// A player walking right through the first level, aiming with the mouse, shooting in bursts
// and dashing once, with a few stray events the game does not record.
void playSomething(ScriptedPlatform& machine, long long frame) {
    auto push = [](SDL_Event e) { SDL_PushEvent(&e); };
    machine.advanceMs(frame % 9 == 0 ? 14 : 10);
    machine.mouseX = 700 + static_cast<int>(frame % 120) * 3;
    machine.mouseY = 250 + static_cast<int>(frame % 50);
    machine.buttons = (frame / 40) % 2 == 1 ? SDL_BUTTON(SDL_BUTTON_LEFT) : 0;
    if (frame == 3) {
        push(harness::keyEvent(SDL_KEYDOWN, SDLK_d));
    }
    if (frame == 60) {
        push(harness::keyEvent(SDL_KEYDOWN, SDLK_w));
        SDL_Event motion{};
        motion.type = SDL_MOUSEMOTION;
        push(motion);
    }
    if (frame == 64) {
        push(harness::keyEvent(SDL_KEYUP, SDLK_w));
    }
    if (frame == 150) {
        push(harness::buttonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT));
    }
    if (frame == 152) {
        push(harness::buttonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT));
    }
}

TEST(RecordedRun, AReplayEndsWhereThePlayedGameEndedEveryTime) {
    TempRunFolder folder;
    Recording tape;
    tape.gameVersion = "test";
    std::string played;
    {
        ScriptedPlatform machine;
        ScopedPlatform useMachine{machine};
        RecordedRun run(tape, machine);
        ScopedPlatform useRecorder{run.platform()};
        App app(levelOptions(run));
        ASSERT_TRUE(app.startUp());
        for (long long frame = 0; frame < kFrames; ++frame) {
            playSomething(machine, frame);
            ASSERT_TRUE(app.frame()) << frame;
        }
        tape.frames = kFrames;
        played = StateHash::of(app.game());
        app.shutDown();
    }
    EXPECT_GE(tape.events().size(), 5u);

    std::string why;
    const auto loaded = Recording::parse(tape.serialise(), "test", why);
    ASSERT_TRUE(loaded) << why;
    for (int replay = 0; replay < 2; ++replay) {
        RecordedRun run(*loaded, nullptr);
        ScopedPlatform useReplay{run.platform()};
        App app(levelOptions(run));
        ASSERT_TRUE(app.startUp());
        // Stray events of this machine never reach a replay.
        SDL_Event stray = harness::keyEvent(SDL_KEYDOWN, SDLK_a);
        SDL_PushEvent(&stray);
        for (long long frame = 0; frame < loaded->frames; ++frame) {
            ASSERT_TRUE(app.frame()) << frame;
        }
        EXPECT_EQ(StateHash::of(app.game()), played) << "replay " << replay;
        EXPECT_FALSE(run.interrupted());
        app.shutDown();
    }
}

TEST(RecordedRun, ClosingTheWindowStopsAReplay) {
    TempRunFolder folder;
    Recording tape;
    tape.frames = 50;
    RecordedRun run(tape, nullptr);
    ScopedPlatform useReplay{run.platform()};
    App app(levelOptions(run));
    ASSERT_TRUE(app.startUp());
    ASSERT_TRUE(app.frame());
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    EXPECT_FALSE(app.frame());
    EXPECT_TRUE(run.interrupted());
    app.shutDown();
}

}  // namespace
