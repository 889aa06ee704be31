#include "app/App.hpp"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/FramePacer.hpp"
#include "app/GameGlobals.hpp"
#include "app/Platform.hpp"
#include "menus/Menu.hpp"
#include "render/CoreTextures.hpp"
#include "render/TextureLoader.hpp"
#include "support/TempRunFolder.hpp"

namespace {

TEST(FramePacer, KeepsAHundredUpdatesASecondOnAnyDisplayAndNeverRacesAfterAStall) {
    for (const int hz : {30, 60, 100, 144, 240}) {
        FramePacer pacer;
        const std::int64_t period = 1'000'000'000 / hz;
        std::int64_t now = 0;
        pacer.start(now);
        long long updates = 0;
        int most = 0;
        for (; now < 10'000'000'000; now += period) {
            const int due = pacer.stepsDue(now);
            updates += due;
            most = std::max(most, due);
        }
        EXPECT_NEAR(updates, 1000, 1) << hz << " Hz";
        EXPECT_LE(most, (100 + hz - 1) / hz) << hz << " Hz";
    }
    // Half a second lost: a few updates, then on at the usual rate from there.
    FramePacer pacer;
    pacer.start(0);
    EXPECT_EQ(pacer.stepsDue(0), 1);
    EXPECT_EQ(pacer.stepsDue(4'000'000), 0);
    EXPECT_EQ(pacer.msUntilNext(4'000'000), 6);
    EXPECT_EQ(pacer.stepsDue(500'000'000), FramePacer::kMaxCatchUp);
    EXPECT_EQ(pacer.stepsDue(505'000'000), 0);
    EXPECT_EQ(pacer.stepsDue(510'000'000), 1);
}

void push(SDL_Event event) {
    SDL_PushEvent(&event);
}

SDL_Event windowEvent(Uint8 which, int a = 0, int b = 0) {
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = which;
    e.window.data1 = a;
    e.window.data2 = b;
    return e;
}

class AppRun : public ::testing::Test {
protected:
    // Starts with no video driver at all; returns what the game said on stderr.
    std::string startWithoutVideo(App& app) {
        setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
        testing::internal::CaptureStderr();
        EXPECT_FALSE(app.startUp());
        const std::string said = testing::internal::GetCapturedStderr();
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        return said;
    }

    TempRunFolder run;
    ScriptedPlatform clock;
    ScopedPlatform useClock{clock};
};

TEST_F(AppRun, StartsHeadlessOnTheTitleAndRewritesBothFilesAtShutdown) {
    // An extra key and a scrambled ranking order must survive a run unchanged.
    nlohmann::json config = nlohmann::json::parse(TempRunFolder::read("datus/config/config.json"));
    config["playerNote"] = "keep me";
    config["SelectedKeySet"] = 2;
    TempRunFolder::write("datus/config/config.json", config.dump());
    TempRunFolder::write("datus/config/ranking.json", R"({"Score":[10,30],"Time":[5,6]})");

    App app(App::Options{.seed = 42});
    ASSERT_TRUE(app.startUp());
    EXPECT_STREQ(SDL_GetWindowTitle(app.window()), "Valdro");
    SDL_Point size{};
    SDL_GetWindowSize(app.window(), &size.x, &size.y);
    EXPECT_TRUE(size.x == 1280 && size.y == 720) << size.x << "x" << size.y;
    ASSERT_TRUE(app.game().current());
    EXPECT_EQ(app.game().currentType(), kTitle);
    EXPECT_EQ(globals().activeKeys, kFixedKeySets[2]);
    EXPECT_TRUE(app.game().scenes().contains("tutorial"));

    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(app.frame());
    }
    push(windowEvent(SDL_WINDOWEVENT_CLOSE));
    EXPECT_FALSE(app.frame());
    std::filesystem::remove("datus/config/config.json");
    std::filesystem::remove("datus/config/ranking.json");
    app.shutDown();

    const auto savedConfig = nlohmann::json::parse(TempRunFolder::read("datus/config/config.json"));
    EXPECT_EQ(savedConfig["playerNote"], "keep me");
    EXPECT_EQ(savedConfig["SelectedKeySet"], 2);
    EXPECT_EQ(savedConfig["width"], 1280);
    EXPECT_EQ(nlohmann::json::parse(TempRunFolder::read("datus/config/ranking.json")),
              nlohmann::json::parse(R"({"Score":[10,30],"Time":[5,6]})"));
}

// Each fast frame's rest is slept out, all but the last's: the 100 updates a second without
// vsync show it.
TEST_F(AppRun, AQueuedQuitEndsTheFirstFrameWithoutASleep) {
    App app(App::Options{.seed = 1});
    ASSERT_TRUE(app.startUp());
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    push(quit);
    app.runLoop();
    EXPECT_EQ(clock.sleptMs, 0);
    app.shutDown();
    app.shutDown();  // a second shutdown does nothing
}

TEST_F(AppRun, UpdatesAHundredTimesASecondAndPresentsOncePerRefreshOfA60HzDisplay) {
    struct Case {
        bool vsync;
        long long presents;   // in 600 updates
        std::int64_t tookMs;  // on the game's clock
        double slackMs;       // a display refresh with vsync; without, the sleeps add up exactly
    };
    for (const Case& c : {Case{true, 360, 6000, 17.0}, Case{false, 599, 5990, 0.0}}) {
        nlohmann::json config =
            nlohmann::json::parse(TempRunFolder::read("datus/config/config.json"));
        config["vsync"] = c.vsync;
        TempRunFolder::write("datus/config/config.json", config.dump());
        clock.nowNs = 0;
        clock.presents = 0;
        // Without vsync the display does not hold the loop up.
        clock.vsyncHz = c.vsync ? 60 : 0;
        App app(App::Options{.seed = 5, .frames = 600});
        ASSERT_TRUE(app.startUp());
        app.runLoop();
        EXPECT_NEAR(static_cast<double>(clock.presents), static_cast<double>(c.presents), 1.0)
            << "vsync " << c.vsync;
        EXPECT_NEAR(clock.nowNs / 1'000'000.0, static_cast<double>(c.tookMs), c.slackMs)
            << "vsync " << c.vsync;
        app.shutDown();
    }
}

TEST_F(AppRun, TheTitleShowsBeforeTheRunsPicturesAndARunNeverStartsWithoutThem) {
    std::filesystem::create_directory_symlink(std::filesystem::path(VALDRO_RUN_DIR) / "img", "img");
    App app(App::Options{.seed = 3});
    ASSERT_TRUE(app.startUp());
    const CoreTextures& t = coreTextures();
    EXPECT_NE(t.titleScreen, nullptr);
    EXPECT_NE(t.pauseScreen, nullptr);
    EXPECT_EQ(t.backgrounds[0], nullptr) << "a room background was loaded before the title showed";

    ASSERT_TRUE(app.frame());  // draws the title
    ASSERT_TRUE(app.frame());  // shows it, then starts on the run's pictures
    EXPECT_NE(t.backgrounds[0], nullptr);
    EXPECT_NE(t.protaSheet, nullptr);

    // Leaving the title waits for every picture before anything else is drawn.
    app.game().perform(kActionChooseStory, app.window());
    ASSERT_TRUE(app.frame());
    EXPECT_NE(app.game().currentType(), kTitle);
    EXPECT_EQ(textures::decodingPending(), 0);
    app.shutDown();
}

TEST_F(AppRun, ABrokenSceneFileIsRefusedBeforeTheWindowOpens) {
    nlohmann::json scenes = nlohmann::json::parse(TempRunFolder::read("datus/config/scenes.json"));
    scenes["scenes_2"][1]["platformIndex"][0] = 9;
    TempRunFolder::write("datus/config/scenes.json", scenes.dump());
    // With no video at all, the scene file is still what the player hears about: it is read
    // before any window could open.
    App app;
    const std::string said = startWithoutVideo(app);
    EXPECT_NE(said.find("\"scenes_2\"[1]"), std::string::npos) << said;
    EXPECT_NE(said.find("platformIndex"), std::string::npos) << said;
    EXPECT_EQ(said.find("cannot start SDL"), std::string::npos) << said;
    // A player who started from the desktop sees it in a message box.
    ASSERT_EQ(clock.messages.size(), 1u);
    EXPECT_NE(clock.messages[0].find("platformIndex"), std::string::npos) << clock.messages[0];
}

TEST_F(AppRun, NoVideoEndsWithOneClearLineAndTouchesNothing) {
    const std::string config = TempRunFolder::read("datus/config/config.json");
    App app;
    const std::string said = startWithoutVideo(app);
    EXPECT_NE(said.find("valdro: cannot start SDL"), std::string::npos) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    ASSERT_EQ(clock.messages.size(), 1u);
    EXPECT_NE(clock.messages[0].find("cannot start SDL"), std::string::npos);
    app.shutDown();
    EXPECT_EQ(TempRunFolder::read("datus/config/config.json"), config);
}

TEST_F(AppRun, ResizeKeepsAtLeastTheSmallestMenuAndRecordsTheSize) {
    App app;
    ASSERT_TRUE(app.startUp());
    push(windowEvent(SDL_WINDOWEVENT_RESIZED, 200, 100));
    ASSERT_TRUE(app.frame());
    EXPECT_DOUBLE_EQ(app.game().scale(), 20.0);
    EXPECT_EQ(app.game().config()["width"], 320);
    EXPECT_EQ(app.game().config()["height"], 240);

    push(windowEvent(SDL_WINDOWEVENT_RESIZED, 1600, 900));
    ASSERT_TRUE(app.frame());
    EXPECT_DOUBLE_EQ(app.game().scale(), 75.0);
    EXPECT_DOUBLE_EQ(app.game().viewWidth(), 64.0 / 3.0);
    EXPECT_DOUBLE_EQ(app.game().camX(), -8.0 / 3.0);
    EXPECT_DOUBLE_EQ(app.game().camY(), 0.0);
    // The title is centred: its left edge sits 8/3 units in from the window's (199.99… px,
    // truncated).
    const SDL_Rect* title = app.game().titleScreen().dstRect;
    EXPECT_EQ(title->x, 199);
    EXPECT_EQ(title->w, 1200);
    EXPECT_EQ(title->h, 900);

    push(windowEvent(SDL_WINDOWEVENT_MINIMIZED));
    ASSERT_TRUE(app.frame());
    EXPECT_EQ(app.game().currentType(), kTitle);  // a menu has nothing to pause
    app.shutDown();
    const auto saved = nlohmann::json::parse(TempRunFolder::read("datus/config/config.json"));
    EXPECT_EQ(saved["width"], 1600);
    EXPECT_EQ(saved["height"], 900);
}

}  // namespace
