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
