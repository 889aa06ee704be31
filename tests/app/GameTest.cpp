#include "app/GamePlay.hpp"

namespace {

TEST_F(GamePlay, FromTheTitleThroughARunAndBackTheFilesHoldWhatThePlayerDid) {
    start([](nlohmann::json& c) {
        c["volumeGeneral"] = 50;
        c["maxLevel"] = 0;
        c["SelectedKeySet"] = 0;
    });
    TempRunFolder::write(kRankingFile, R"({"Score": [], "Time": []})");
    click(game().titleScreen(), kStory);
    EXPECT_EQ(screen(), kDifficulty);
    click(game().difficultyScreen(), kNormal);
    ASSERT_EQ(screen(), kLevel);
    EXPECT_TRUE(clock.mouseCaptured);
    EXPECT_EQ(globals().revivesLeft, 2);
    ASSERT_TRUE(frames(50));

    // Five seconds in, the hero falls with 120 points; the three damage upgrades he bought all
    // come back with the revive.
    clock.advanceMs(5000);
    game().level()->prota->score = 120;
    buy(Objeto::kDamage, 3);
    act(kActionGameOver);
    ASSERT_EQ(screen(), kGameOver);
    EXPECT_FALSE(clock.mouseCaptured);
    EXPECT_FALSE(game().windowFixed());
    // Ranked and on disk at once: a crash now loses nothing.
    EXPECT_EQ(readJson(kRankingFile)["Score"], nlohmann::json({120}));
    EXPECT_EQ(readJson(kConfig)["maxLevel"], 1);

    click(game().gameOverScreen(), kRevive);
    ASSERT_EQ(screen(), kLevel);
    EXPECT_EQ(globals().revivesLeft, 1);
    EXPECT_EQ(game().level()->prota->score, 120);
    EXPECT_EQ(game().level()->prota->shotDamage, 5);
    EXPECT_TRUE(game().windowFixed());
    EXPECT_TRUE(clock.mouseCaptured);
    // The bellboy has a word for the revived hero; the interaction key moves it on.
    const auto revived =
        dialogue::conversationsFor(globals().language, NPC::kBotones, dialogue::kReviveEntry);
    ASSERT_GE(revived.size(), 2u);
    ASSERT_TRUE(game().level()->talking());
    EXPECT_EQ(game().level()->npcs.back()->currentLine(), revived[0][0]);
    for (std::size_t line = 0; line < revived[0].size(); ++line) {
        typeKey(SDLK_f);
    }
    EXPECT_FALSE(game().level()->talking());
    frames(20);
    clock.advanceMs(3000);
    typeKey(SDLK_ESCAPE);  // the pause key of the first key set
    frames();
    ASSERT_EQ(screen(), kPause);

    click(game().pauseScreen(), PauseMenu::kSettingsId);
    ASSERT_EQ(screen(), kSettings);
    EXPECT_TRUE(game().settingsScreen().fromPause);
    click(game().settingsScreen(), 10);  // music +
    click(game().settingsScreen(), 18);  // Controles
    ASSERT_EQ(screen(), kControls);
    click(game().controlsScreen(), ControlsMenu::kKeySetId, 2);
    // Back, back and Salir: the settings, the pause, then the title.
    const std::pair<Menu*, int> backs[] = {{&game().controlsScreen(), kSettings},
                                           {&game().settingsScreen(), kPause},
                                           {&game().pauseScreen(), kTitle}};
    for (const auto& [menu, after] : backs) {
        click(*menu, Menu::kBackId);
        ASSERT_EQ(screen(), after);
    }
    EXPECT_EQ(game().level(), nullptr);

    windowEvent(SDL_WINDOWEVENT_CLOSE);
    EXPECT_FALSE(app->frame());
    app->shutDown();
    const auto config = readJson(kConfig);
    EXPECT_EQ(config["volumeGeneral"], 55);
    EXPECT_EQ(config["SelectedKeySet"], 2);
    EXPECT_EQ(config["maxLevel"], 1);
    EXPECT_EQ(config["infiniteUnlock"], false);
    // The same score twice: the faster run first.
    EXPECT_EQ(readJson(kRankingFile),
              nlohmann::json::parse(R"({"Score": [120, 120], "Time": [5, 8]})"));
}

TEST_F(GamePlay, AStoryRunClosedInTheMiddleContinuesFromTheTitle) {
    start();
    story(kNormal);
    ASSERT_TRUE(exists(kRunFile));
    buy(Objeto::kSpeed, 2);
    buy(Objeto::kDamage);
    for (int i = 1; i <= 5; ++i) {
        clock.advanceMs(1500);
        act(kActionLevelCompleted);
    }
    ASSERT_EQ(game().levelIndex(), 5);
    // What the scene was entered with is what comes back; what happens inside it is not.
    const auto kept = [](const Prota& p) {
        return std::tuple(p.hp, p.maxHp, p.coins, p.score, p.walkSpeed, p.shotDamage);
    };
    Prota* prota = game().level()->prota.get();
    prota->coins = 37;
    prota->score = 1234;
    const auto entered = kept(*prota);
    const std::vector<SceneData> levels = game().levels();
    const std::uint64_t played = game().playSeconds();
    act(kActionLevelCompleted);
    fallAndRevive();                    // a fall with revives left keeps the run
    ASSERT_EQ(game().levelIndex(), 4);  // back to the shop, the last checkpoint
    prota = game().level()->prota.get();
    prota->coins = 37;
    prota->score = 1234;
    prota->hp = std::get<0>(entered);
    act(kActionLevelCompleted);
    ASSERT_EQ(game().levelIndex(), 5);
    clock.advanceMs(9000);  // played in scene 5, then the window is closed

    restart([](nlohmann::json& c) { c["language"] = "en"; });
    ASSERT_TRUE(game().waitingRun().has_value());
    clock.answers = {0};
    click(game().titleScreen(), kStory);
    EXPECT_EQ(clock.messages, std::vector<std::string>{
                                  "Story Mode: You have a run in progress in scene 6 of 27. Do you "
                                  "want to continue it? [Continue] [New run]"});
    ASSERT_EQ(screen(), kLevel);
    EXPECT_EQ(game().levelIndex(), 5);
    ASSERT_EQ(game().levels().size(), levels.size());
    for (std::size_t i = 0; i < levels.size(); ++i) {
        EXPECT_EQ(game().levels()[i].width, levels[i].width) << i;
        EXPECT_EQ(game().levels()[i].bg, levels[i].bg) << i;
    }
    EXPECT_EQ(kept(*game().level()->prota), entered);
    EXPECT_EQ(items::inventory().entries().at(Objeto::kSpeed).count, 2);
    EXPECT_LT(items::inventory().entries().at(Objeto::kSpeed).icon->y,
              items::inventory().entries().at(Objeto::kDamage).icon->y);  // bought first
    EXPECT_EQ(globals().difficulty, 1);
    EXPECT_EQ(globals().revivesLeft, 1);
    EXPECT_EQ(game().checkpointIndex(), 4);
    EXPECT_GE(game().playSeconds(), played);
    EXPECT_FALSE(game().infiniteSelected());
    EXPECT_TRUE(clock.mouseCaptured);
    EXPECT_TRUE(game().windowFixed());
    // Pause, Exit: kept for the next time, offered again, and a closed box changes nothing.
    typeKey(SDLK_ESCAPE);
    frames();
    click(game().pauseScreen(), Menu::kBackId);
    ASSERT_EQ(screen(), kTitle);
    click(game().titleScreen(), kStory);
    EXPECT_EQ(screen(), kTitle);
    EXPECT_EQ(clock.messages.size(), 2u);
    EXPECT_TRUE(exists(kRunFile));
    // Infinite Mode has no run waiting: the difficulties, no question.
    restart([](nlohmann::json& c) { c["infiniteUnlock"] = true; });
    click(game().titleScreen(), kInfinite);
    EXPECT_EQ(screen(), kDifficulty);
    EXPECT_TRUE(clock.messages.empty());
    click(game().difficultyScreen(), Menu::kBackId);

    // Continued, then given up after a fall: nothing is left to continue.
    clock.answers = {0};
    click(game().titleScreen(), kStory);
    ASSERT_EQ(screen(), kLevel);
    act(kActionGameOver);
    EXPECT_TRUE(exists(kRunFile));
    click(game().gameOverScreen(), Menu::kBackId);  // Menú principal
    EXPECT_FALSE(exists(kRunFile));
    EXPECT_FALSE(game().waitingRun().has_value());

    // A new run instead throws the old one away; a fall with no revive left ends it.
    story(kHard);
    restart([](nlohmann::json& c) { c["language"] = "es"; });
    clock.answers = {1};
    click(game().titleScreen(), kStory);
    EXPECT_EQ(screen(), kDifficulty);
    EXPECT_FALSE(exists(kRunFile));
    EXPECT_NE(clock.messages.back().find("Modo Historia: Tienes una partida a medias en la "
                                         "escena 1 de 27."),
              std::string::npos);
    click(game().difficultyScreen(), kHard);
    EXPECT_TRUE(exists(kRunFile));
    act(kActionGameOver);
    EXPECT_FALSE(exists(kRunFile));
}

TEST_F(GamePlay, ADamagedOrOlderRunFileIsPutAsideAndTheTitleWorksAsBefore) {
    start();
    story(kNormal);
    const nlohmann::json good = readJson(kRunFile);
    auto with = [&good](const char* key, nlohmann::json value) {
        nlohmann::json changed = good;
        changed[key] = std::move(value);
        return changed.dump();
    };
    nlohmann::json scenes = good["scenes"];
    scenes[3] = "scenes_1:99";
    // The last is only found out when the run is continued.
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"not valid JSON", good.dump().substr(0, 40)},
        {"another version", with("version", "0.0.1")},
        {"\"health\" is", with("health", good["maxHealth"].get<int>() + 1)},
        {"\"upgrades\"", with("upgrades", nlohmann::json::array({{{"kind", 7}, {"count", 1}}}))},
        {"no scene of the scene file", with("scenes", scenes)},
    };
    for (const auto& [why, text] : cases) {
        SCOPED_TRACE(why);
        std::filesystem::remove("datus/config/run.json.broken");
        testing::internal::CaptureStderr();
        restart();
        TempRunFolder::write(kRunFile, text);
        game().setRunFile(RunFile(kRunFile));
        clock.answers = {0};
        click(game().titleScreen(), kStory);
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(screen(), kDifficulty);
        EXPECT_NE(said.find(std::string(kRunFile) + ": "), std::string::npos) << said;
        EXPECT_NE(said.find(why), std::string::npos) << said;
        EXPECT_NE(said.find("run.json.broken"), std::string::npos) << said;
        EXPECT_FALSE(exists(kRunFile));
        EXPECT_EQ(TempRunFolder::read("datus/config/run.json.broken"), text);
        click(game().difficultyScreen(), Menu::kBackId);
    }
}

TEST_F(GamePlay, RevivesFollowTheDifficulty) {
    start();
    story(kNormal);  // two revives
    for (int revive = 0; revive < 2; ++revive) {
        fallAndRevive();
        ASSERT_EQ(screen(), kLevel) << revive;
    }
    // The game-over screen can be resized; the revived scene is placed for the new size.
    act(kActionGameOver);
    SDL_Event resize{};
    resize.type = SDL_WINDOWEVENT;
    resize.window.event = SDL_WINDOWEVENT_RESIZED;
    resize.window.data1 = 800;
    resize.window.data2 = 600;
    game().handleEvent(resize, app->window());
    globals().revivesLeft = 1;
    click(game().gameOverScreen(), kRevive);
    ASSERT_EQ(screen(), kLevel);
    ASSERT_NE(game().level()->dstRect, nullptr);
    EXPECT_EQ(game().level()->dstRect->w, 800);  // 16 shown units at 50 pixels each
    EXPECT_EQ(game().level()->dstRect->x, 0);
    EXPECT_EQ(globals().revivesLeft, 0);
    act(kActionGameOver);
    sounds.clear();
    click(game().gameOverScreen(), kRevive);
    EXPECT_EQ(screen(), kGameOver);
    EXPECT_EQ(sounds, (std::vector<std::string>{"click", "nonono"}));
    frames(2);
    EXPECT_EQ(sounds.size(), 2u);  // said once, not every frame

    click(game().gameOverScreen(), 27);  // Reiniciar: a new Normal run
    ASSERT_EQ(screen(), kLevel);
    EXPECT_EQ(globals().revivesLeft, 2);
    act(kActionToTitle);
    clock.answers = {1};  // the run left behind is not continued
    story(kHard);         // no revive, and fewer hearts
    EXPECT_EQ(globals().difficulty, 2);
    EXPECT_EQ(globals().revivesLeft, 0);
    EXPECT_EQ(game().level()->prota->maxHp, 2);
    act(kActionGameOver);
    click(game().gameOverScreen(), 27);
    EXPECT_EQ(globals().difficulty, 2);
    EXPECT_EQ(screen(), kLevel);
}

TEST_F(GamePlay, FinishingTheStoryUnlocksTheEndlessModeWhichGoesRound) {
    start([](nlohmann::json& c) {
        c["infiniteUnlock"] = false;
        c["maxLevel"] = 0;
    });
    story(kEasy);
    for (int i = 1; i <= 26; ++i) {
        act(kActionLevelCompleted);
        ASSERT_EQ(game().levelIndex(), i);
        ASSERT_EQ(screen(), kLevel);
    }
    EXPECT_EQ(globals().enemyLevel, 0) << "Easy's enemies never grow, boss after boss";
    EXPECT_EQ(readJson(kRunFile)["position"], 26);
    // The final fight, played through the game by a scripted player (given hearts enough that
    // it cannot lose) until Valdro falls.
    Escena& arena = *game().level();
    ASSERT_NE(arena.boss, nullptr);
    const KeySet keys = globals().activeKeys;
    for (int press = 0; press < 30 && arena.boss->phase == 0; ++press) {
        typeKey(keys.interactKey);
    }
    arena.prota->maxHp = arena.prota->hp = 1000;
    FightPilot pilot(FightPilot::Arena::Valdro);
    // Valdro's arena is shown whole: the pilot sees every sprite in it.
    auto screenView = [&] {
        FightPilot::View v;
        v.me = arena.prota->drawnRect();
        v.hearts = arena.prota->hp;
        v.arenaLeft = v.shownLeft = arena.x;
        v.arenaRight = v.shownRight = arena.x + arena.w;
        v.bossSeen = true;
        v.boss = arena.boss->drawnRect();
        for (const auto& e : arena.enemies) {
            v.things.push_back(FightPilot::Sprite{e.get(), e->drawnRect()});
        }
        return v;
    };
    std::uint8_t held = 0;
    auto send = [&](std::uint8_t want, std::uint8_t bit, SDL_Keycode key) {
        if ((want & bit) != (held & bit)) {
            push(harness::keyEvent((want & bit) != 0 ? SDL_KEYDOWN : SDL_KEYUP, key));
        }
    };
    ASSERT_GT(arena.boss->hp, 0);
    int fought = 0;
    for (; fought < 40000 && arena.boss->hp > 0; ++fought) {
        const FightPilot::Decision d = pilot.decide(screenView());
        send(d.keys, Prota::kKeyRight, keys.rightKey);
        send(d.keys, Prota::kKeyLeft, keys.leftKey);
        send(d.keys, Prota::kKeyJump, keys.upKey);
        if ((d.keys & Prota::kKeyDash) != (held & Prota::kKeyDash)) {
            push(harness::buttonEvent(
                (d.keys & Prota::kKeyDash) != 0 ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP,
                SDL_BUTTON_RIGHT));
        }
        held = d.keys;
        clock.mouseX = static_cast<int>((d.aimX - game().camX()) * game().scale());
        clock.mouseY = static_cast<int>((d.aimY - game().camY()) * game().scale());
        clock.buttons = d.fire ? SDL_BUTTON(SDL_BUTTON_LEFT) : 0;
        ASSERT_TRUE(frames());
    }
    ASSERT_LE(arena.boss->hp, 0) << "after " << fought << " frames";
    EXPECT_GT(arena.prota->hp, 0);
    for (const SDL_Keycode key : {keys.rightKey, keys.leftKey, keys.upKey}) {
        push(harness::keyEvent(SDL_KEYUP, key));
    }
    clock.buttons = 0;
    // His last words come by themselves once he has fallen; then the bellboy bursts in, and
    // the story ends without the walk to the door.
    for (int f = 0; f < 3000 && !arena.talking(); ++f) {
        ASSERT_TRUE(frames());
    }
    ASSERT_TRUE(arena.talking());
    EXPECT_EQ(arena.npcs.front()->kind, NPC::kValdro);
    EXPECT_EQ(arena.npcs.front()->conversationIndex, 1);
    const int score = arena.prota->score;
    bool bellboyHeard = false;
    sounds.clear();
    for (int press = 0; press < 60 && screen() == kLevel; ++press) {
        bellboyHeard = bellboyHeard || arena.npcs.back()->kind == NPC::kBotones;
        typeKey(keys.interactKey);
    }
    EXPECT_TRUE(bellboyHeard);
    ASSERT_EQ(screen(), kEnding);
    EXPECT_EQ(game().level(), nullptr);
    EXPECT_FALSE(exists(kRunFile));  // a finished story leaves nothing to continue
    EXPECT_NE(std::find(sounds.begin(), sounds.end(), "storyCompleted"), sounds.end());
    // Saved when it happened.
    const auto saved = readJson(kConfig);
    EXPECT_EQ(saved["infiniteUnlock"], true);
    EXPECT_EQ(saved["maxLevel"], 27);
    // The ending shows the run's score and time and the hero's last words.
    const auto& ending = dynamic_cast<const EndingScreen&>(*game().current());
    char scoreText[16];
    std::snprintf(scoreText, sizeof scoreText, "%05d", score);
    auto shows = [&](const std::string& text) {
        return std::any_of(ending.rows().begin(), ending.rows().end(),
                           [&](const EndingScreen::Row& r) { return r.text == text; });
    };
    EXPECT_TRUE(shows(std::string("Puntuación: ") + scoreText)) << scoreText;
    EXPECT_TRUE(shows("Tiempo: " + ranking_table::clockText(game().playSeconds())));
    const auto epilogue =
        dialogue::conversationsFor(0, NPC::kProta, dialogue::kEpilogueEntry).at(0);
    EXPECT_TRUE(shows(npcs::wrapLine(epilogue.at(0), 44).at(0)));
    // A press meant for the last line does not skip it; a later one does, and the title is back.
    typeKey(keys.interactKey);
    EXPECT_EQ(screen(), kEnding);
    ASSERT_TRUE(frames(100));
    typeKey(keys.interactKey);
    EXPECT_EQ(screen(), kTitle);

    click(game().titleScreen(), kInfinite);
    ASSERT_EQ(screen(), kDifficulty);
    click(game().difficultyScreen(), kNormal);
    ASSERT_TRUE(game().infiniteSelected());
    complete(26);
    const std::vector<SceneData> firstLap = game().levels();
    act(kActionLevelCompleted);
    EXPECT_EQ(game().levelIndex(), 1);  // not the tutorial again
    bool newPicks = false;
    for (std::size_t i = 0; i < firstLap.size(); ++i) {
        newPicks = newPicks || firstLap[i].bg != game().levels()[i].bg ||
                   firstLap[i].blankyPositions.size() != game().levels()[i].blankyPositions.size();
    }
    EXPECT_TRUE(newPicks);
    // A revive after going round starts at a place in the list.
    complete(4);  // through the first shop
    EXPECT_EQ(game().checkpointIndex(), 4);
    // Three bosses behind, Normal's enemies have grown from level 1 to 4.
    EXPECT_EQ(globals().enemyLevel, 4);
    const int maxHp = game().level()->prota->maxHp;
    for (int death = 0; death < 2; ++death) {  // Normal's two revives
        fallAndRevive();
        ASSERT_EQ(screen(), kLevel);
        EXPECT_EQ(game().levelIndex(), 4);
        // The bellboy's word is a new one for each revive of the run.
        EXPECT_EQ(
            game().level()->npcs.back()->currentLine(),
            dialogue::conversationsFor(globals().language, NPC::kBotones, dialogue::kReviveEntry)
                .at(static_cast<std::size_t>(death))[0]);
        // Revives neither weaken the enemies nor pile up hearts.
        EXPECT_EQ(globals().enemyLevel, 4);
        EXPECT_EQ(game().level()->prota->maxHp, maxHp);
    }
}

// A boss's sheets are loaded from its arena until the run leaves it, whichever way: onwards,
// by a game over, or by completing the story in the last arena.
TEST_F(GamePlay, BossSheetsGoWithTheRunWhicheverWayItEnds) {
    const std::filesystem::path pictures = std::filesystem::path(VALDRO_RUN_DIR) / "img";
    if (!std::filesystem::exists(pictures / "greed_sheet.png")) {
        GTEST_SKIP() << "the run folder holds no generated images";
    }
    std::filesystem::create_directory_symlink(pictures, run.path("img"));
    start();
    story(kEasy);  // revives without end
    const auto arenaOf = [&](int kind) {
        for (std::size_t i = 0; i < game().levels().size(); ++i) {
            if (game().levels()[i].boss == kind) {
                return static_cast<int>(i);
            }
        }
        return -1;
    };
    const auto anyBossSheet = [] {
        const BossTextures& t = bossTextures();
        return t.greedSheet != nullptr || t.lustSheet != nullptr || t.lampySheet != nullptr ||
               t.lampyLight != nullptr || t.spotlight != nullptr || t.valdro1Sheet != nullptr ||
               t.valdro2Sheet != nullptr || t.valdro3Sheet != nullptr;
    };
    const int greed = arenaOf(0);
    const int valdro = arenaOf(2);
    ASSERT_GT(greed, 0);
    ASSERT_GT(valdro, greed);
    while (game().levelIndex() < greed) {
        act(kActionLevelCompleted);
    }
    ASSERT_NE(bossTextures().greedSheet, nullptr) << "the generated sheets are loaded";

    act(kActionGameOver);
    EXPECT_FALSE(anyBossSheet()) << "a game over in the arena frees its sheets";
    EXPECT_EQ(SheetLease::holders(), 0);
    click(game().gameOverScreen(), kRevive);  // revive at the checkpoint before the arena
    ASSERT_EQ(screen(), kLevel);
    EXPECT_LT(game().levelIndex(), greed);
    EXPECT_FALSE(anyBossSheet());

    while (game().levelIndex() < valdro) {
        act(kActionLevelCompleted);
    }
    ASSERT_NE(bossTextures().valdro1Sheet, nullptr);
    EXPECT_EQ(bossTextures().greedSheet, nullptr);
    for (int i = 0; i < 5 && screen() == kLevel; ++i) {
        act(kActionLevelCompleted);
    }
    ASSERT_EQ(screen(), kEnding) << "the story is completed";
    EXPECT_FALSE(anyBossSheet()) << "completing the story frees the last boss's sheets";
    EXPECT_EQ(SheetLease::holders(), 0);
}

TEST_F(GamePlay, ThePlayClockCountsExactTimeAcrossPauses) {
    start();
    TempRunFolder::write(kRankingFile, R"({"Score": [], "Time": []})");
    story(kEasy);
    for (int i = 0; i < 10; ++i) {
        clock.advanceMs(370);
        act(kActionPause);
        clock.advanceMs(1000);  // paused time is not play time
        act(kActionResume);
    }
    act(kActionPause);
    EXPECT_EQ(game().playSeconds(), 3u);
    game().level()->prota->score = 77;
    click(game().pauseScreen(), Menu::kBackId);  // Salir
    EXPECT_EQ(screen(), kTitle);
    EXPECT_EQ(readJson(kRankingFile), nlohmann::json::parse(R"({"Score": [77], "Time": [3]})"));
}

TEST_F(GamePlay, PractisingOneSceneEndsOnTheTitleAndRecordsNothing) {
    TempRunFolder::write(kRankingFile, R"({"Score": [50], "Time": [9]})");
    // A story run left waiting is neither touched nor offered by practice.
    const std::string waiting = "a story run";
    TempRunFolder::write(kRunFile, waiting);
    const nlohmann::json scenes = readJson("datus/config/scenes.json");
    App::Options options{.seed = 5, .difficulty = 1};
    options.runFile = kRunFile;
    options.scene = scenes.at("shop_1").get<SceneData>();
    app = std::make_unique<App>(options);
    ASSERT_TRUE(app->startUp());
    ASSERT_EQ(screen(), kLevel);
    EXPECT_TRUE(game().practising());
    EXPECT_EQ(globals().revivesLeft, 2);
    // Dies, revives into the same scene, then completes it.
    game().level()->prota->score = 900;
    fallAndRevive();
    ASSERT_EQ(screen(), kLevel);
    act(kActionLevelCompleted);
    EXPECT_EQ(screen(), kTitle);
    EXPECT_FALSE(game().practising());
    EXPECT_FALSE(game().infiniteUnlocked());
    app->shutDown();
    EXPECT_EQ(readJson(kRankingFile), nlohmann::json::parse(R"({"Score": [50], "Time": [9]})"));
    EXPECT_EQ(readJson(kConfig)["maxLevel"], 0);
    EXPECT_EQ(TempRunFolder::read(kRunFile), waiting);
    EXPECT_FALSE(exists("datus/config/run.json.broken"));
}

}  // namespace
