#pragma once

#include "app/Game.hpp"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <nlohmann/json.hpp>
#include <tuple>

#include "actors/Prota.hpp"
#include "app/App.hpp"
#include "app/GameGlobals.hpp"
#include "app/Platform.hpp"
#include "bosses/BossTextures.hpp"
#include "bosses/FightPilot.hpp"
#include "bosses/Jefe.hpp"
#include "bosses/SheetLease.hpp"
#include "enemies/Enemigo.hpp"
#include "menus/Button.hpp"
#include "menus/ControlsMenu.hpp"
#include "menus/EndingScreen.hpp"
#include "menus/Menu.hpp"
#include "menus/PauseMenu.hpp"
#include "menus/RankingTable.hpp"
#include "menus/SettingsMenu.hpp"
#include "npc/Dialogue.hpp"
#include "npc/Inventory.hpp"
#include "npc/Items.hpp"
#include "npc/NPC.hpp"
#include "npc/Objeto.hpp"
#include "render/Audio.hpp"
#include "scene/Escena.hpp"
#include "scene/Plataforma.hpp"
#include "scene/SceneData.hpp"
#include "support/SceneHarness.hpp"
#include "support/TempRunFolder.hpp"

inline constexpr const char* kRunFile = "datus/config/run.json";
inline constexpr const char* kConfig = "datus/config/config.json";
inline constexpr const char* kRankingFile = "datus/config/ranking.json";

inline nlohmann::json readJson(const char* path) {
    return nlohmann::json::parse(TempRunFolder::read(path));
}

inline bool exists(const char* path) {
    return std::filesystem::exists(path);
}

// Menu button ids the runs below press.
enum : int { kStory = 4, kInfinite = 5, kEasy = 22, kNormal = 23, kHard = 24, kRevive = 26 };

// A whole game in a throwaway run folder, played with SDL events on a scripted clock.
class GamePlay : public ::testing::Test {
protected:
    void SetUp() override {
        audio::setSoundListener([this](const std::string& key) { sounds.push_back(key); });
    }
    void TearDown() override {
        app.reset();
        audio::setSoundListener(nullptr);
    }

    // Starts the game after editing the shipped configuration.
    void start(const std::function<void(nlohmann::json&)>& edit = {}) {
        nlohmann::json config = readJson(kConfig);
        if (edit) {
            edit(config);
        }
        TempRunFolder::write(kConfig, config.dump());
        App::Options options{1234};
        options.runFile = kRunFile;
        app = std::make_unique<App>(options);
        ASSERT_TRUE(app->startUp());
    }
    // Closes the window and starts the game again, as a player coming back would.
    void restart(const std::function<void(nlohmann::json&)>& edit = {}) {
        windowEvent(SDL_WINDOWEVENT_CLOSE);
        EXPECT_FALSE(app->frame());
        app.reset();
        items::inventory().clear();
        globals() = GameGlobals{};
        clock.messages.clear();
        start(edit);
    }
    Game& game() { return app->game(); }
    int screen() { return game().currentType(); }
    void act(int action) { game().perform(action, app->window()); }
    void complete(int scenes) {
        for (int i = 0; i < scenes; ++i) {
            act(kActionLevelCompleted);
        }
    }
    // A new story run from the title, at the difficulty of that button.
    void story(int difficulty) {
        click(game().titleScreen(), kStory);
        click(game().difficultyScreen(), difficulty);
    }
    void fallAndRevive() {
        act(kActionGameOver);
        click(game().gameOverScreen(), kRevive);
    }
    // Buys and applies an upgrade, as the shop does.
    void buy(int kind, int times = 1) {
        for (int i = 0; i < times; ++i) {
            items::inventory().recordPurchase(kind);
            items::applyEffect(kind, *game().level()->prota);
        }
    }

    bool frames(int n = 1) {
        for (int i = 0; i < n; ++i) {
            if (!app->frame()) {
                return false;
            }
            clock.advanceMs(10);
        }
        return true;
    }

    void push(SDL_Event e) { SDL_PushEvent(&e); }

    // Clicks a menu button, then plays a frame.
    void click(Menu& menu, int id, int param = -2) {
        for (const auto& b : menu.buttons) {
            if (b->id == id && (param == -2 || b->param == param)) {
                harness::pushClick(*b, game().camX(), game().camY(), game().scale());
                ASSERT_TRUE(frames());
                return;
            }
        }
        FAIL() << "no button " << id;
    }

    void typeKey(SDL_Keycode sym, Uint16 mod = 0) {
        SDL_Event e{};
        e.type = SDL_KEYDOWN;
        e.key.keysym.sym = sym;
        e.key.keysym.mod = mod;
        push(e);
        e.type = SDL_KEYUP;
        push(e);
        frames();
    }

    void windowEvent(Uint8 which) {
        SDL_Event e{};
        e.type = SDL_WINDOWEVENT;
        e.window.event = which;
        push(e);
    }

    TempRunFolder run;
    ScriptedPlatform clock;
    ScopedPlatform useClock{clock};
    std::unique_ptr<App> app;
    std::vector<std::string> sounds;
};
