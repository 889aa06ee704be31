#include "app/GamePlay.hpp"

namespace {

TEST_F(GamePlay, TheFirstStartSpeaksTheSystemsLanguageAndThenTheSettingsRule) {
    struct Case {
        const char* lang;
        bool withShippedFile;  // the settings the build lays out, which name no language
        int language;
        const char* written;
    };
    for (const Case& c : {Case{"en_US.UTF-8", false, 1, "en"}, Case{"es_ES.UTF-8", false, 0, "es"},
                          Case{"es_MX", true, 0, "es"}, Case{"C", true, 1, "en"}}) {
        SCOPED_TRACE(c.lang);
        if (!c.withShippedFile) {
            std::filesystem::remove(kConfig);
        } else {
            std::filesystem::copy_file(
                std::string(VALDRO_SOURCE_DIR) + "/data/datus/config/config.json", kConfig,
                std::filesystem::copy_options::overwrite_existing);
        }
        setenv("LANG", c.lang, 1);
        app = std::make_unique<App>(App::Options{1});
        ASSERT_TRUE(app->startUp());
        EXPECT_EQ(globals().language, c.language);
        const Button& storyButton = *game().titleScreen().buttons.front();
        EXPECT_EQ(storyButton.shownText, c.language == 0 ? "Modo Historia" : "Story Mode");
        app.reset();
        EXPECT_EQ(readJson(kConfig)["language"], c.written);
    }
    // From then on the file rules, whatever the system says.
    setenv("LANG", "es_ES.UTF-8", 1);
    app = std::make_unique<App>(App::Options{1});
    ASSERT_TRUE(app->startUp());
    EXPECT_EQ(globals().language, 1);
}

TEST_F(GamePlay, LockedModesSayWhyInSpanishAndStayOnTheTitle) {
    start([](nlohmann::json& c) {
        c["infiniteUnlock"] = false;
        c["language"] = "en";
    });
    click(game().titleScreen(), kInfinite);
    click(game().titleScreen(), 6);  // Ranking
    EXPECT_EQ(screen(), kTitle);
    EXPECT_EQ(clock.messages,
              (std::vector<std::string>{
                  "Modo no disponible: Completa el modo historia para desbloquear este modo.",
                  "Pantalla no disponible: Completa el modo historia para desbloquearla."}));
    EXPECT_EQ(game().titleScreen().clickedButton, 0);
    frames(3);
    EXPECT_EQ(clock.messages.size(), 2u);  // shown once per click
}

// The frame drawn as the hero walks out of a scene shows the next room whole: its platforms,
// characters and items where they stand, the hero at its start, exactly where the scene itself
// would place them.
TEST_F(GamePlay, TheFirstFrameOfASceneShowsItWhole) {
    start();
    story(kNormal);
    act(kActionLevelCompleted);
    ASSERT_TRUE(frames(5));
    Escena& left = *game().level();
    left.enemies.clear();
    left.prota->moveTo(left.w - 0.5, left.prota->y);
    left.exitRequested = true;
    ASSERT_TRUE(frames());  // walks out, and the next room is drawn
    ASSERT_EQ(game().levelIndex(), 2);
    Escena& entered = *game().level();
    std::vector<Renderizable*> drawn = {entered.prota.get()};
    for (const auto& p : entered.platforms) {
        drawn.push_back(p.get());
    }
    for (const auto& n : entered.npcs) {
        drawn.push_back(n.get());
    }
    for (const auto& item : entered.items) {
        drawn.push_back(item.get());
    }
    // What has no window rectangle is never drawn in the band (the guide speaks from off-stage).
    std::erase_if(drawn, [](const Renderizable* r) { return r->dstRect == nullptr; });
    ASSERT_GT(drawn.size(), 2u);
    const auto rect = [](const Renderizable* r) {
        return std::tuple(r->dstRect->x, r->dstRect->y, r->dstRect->w, r->dstRect->h);
    };
    std::vector<std::tuple<int, int, int, int>> asDrawn;
    std::transform(drawn.begin(), drawn.end(), std::back_inserter(asDrawn), rect);
    entered.updateDstRect(game().scale(), game().camX(), game().camY());
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        EXPECT_EQ(asDrawn[i], rect(drawn[i])) << "thing " << i << ": drawn, then placed";
    }
}

TEST_F(GamePlay, LosingFocusPausesARunAndFullscreenIsRemembered) {
    start();
    auto resizable = [&] { return !game().windowFixed(); };
    EXPECT_TRUE(resizable());
    typeKey(SDLK_F11);
    EXPECT_TRUE(game().fullscreen());
    typeKey(SDLK_F11);
    EXPECT_FALSE(game().fullscreen());
    story(kEasy);
    ASSERT_EQ(screen(), kLevel);
    EXPECT_FALSE(resizable());
    // Walking right when the window loses focus; the key comes up while the pause is shown.
    push(harness::keyEvent(SDL_KEYDOWN, SDLK_d));
    frames();
    ASSERT_NE(game().level()->prota->keys, 0);
    windowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
    frames();
    EXPECT_EQ(screen(), kPause);
    push(harness::keyEvent(SDL_KEYUP, SDLK_d));
    frames();
    EXPECT_FALSE(clock.mouseCaptured);
    typeKey(SDLK_F11);
    EXPECT_TRUE(game().fullscreen());
    typeKey(SDLK_RETURN, KMOD_LALT);
    EXPECT_FALSE(game().fullscreen());
    EXPECT_FALSE(resizable());  // a paused run keeps its window
    SDL_Point size{};
    SDL_GetWindowSize(app->window(), &size.x, &size.y);
    EXPECT_TRUE(size.x == 1280 && size.y == 720) << "not back to the player's size: " << size.x;
    typeKey(SDLK_ESCAPE);  // the pause key resumes
    EXPECT_EQ(screen(), kLevel);
    EXPECT_EQ(game().level()->prota->keys, 0);  // the hero does not walk on by himself
    EXPECT_TRUE(clock.mouseCaptured);
    typeKey(SDLK_F11);
    app->shutDown();
    EXPECT_EQ(readJson(kConfig)["fullscreen"], true);
}

TEST_F(GamePlay, SettingsReachTheGameAndTheLanguageSwitchesEveryMenu) {
    start([](nlohmann::json& c) {
        c["volumeGeneral"] = 35;
        c["volumeSFX"] = 70;
        c["maxLevel"] = 9;
        c["language"] = "en";
        c["SelectedKeySet"] = 3;
        c["CustomKeyConfig"]["configOption"] = 0;
    });
    EXPECT_EQ(audio::state().musicVolume, 35);
    EXPECT_EQ(audio::state().sfxVolume, 70);
    EXPECT_EQ(globals().maxLevel, 9);
    EXPECT_EQ(globals().language, 1);
    EXPECT_EQ(game().titleScreen().find(kStory)->shownText, "Story Mode");
    EXPECT_DOUBLE_EQ(game().settingsScreen().musicBar.w, 35 / 50.0);

    click(game().titleScreen(), 3);  // Settings
    ASSERT_EQ(screen(), kSettings);
    EXPECT_FALSE(game().settingsScreen().fromPause);
    click(game().settingsScreen(), 8);  // Spanish
    EXPECT_EQ(game().titleScreen().find(kStory)->shownText, "Modo Historia");
    EXPECT_EQ(game().gameOverScreen().find(kRevive)->shownText, "Revivir");
    typeKey(SDLK_ESCAPE);
    EXPECT_EQ(screen(), kTitle);
    app->shutDown();
    const auto saved = readJson(kConfig);
    EXPECT_EQ(saved["language"], "es");
    // The custom set read with another index is still the custom set.
    EXPECT_EQ(saved["SelectedKeySet"], 3);
    EXPECT_EQ(saved["CustomKeyConfig"]["configOption"], 3);
}

}  // namespace
