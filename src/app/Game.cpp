#include "app/Game.hpp"

#include <SDL.h>

#include <algorithm>
#include <exception>

#include "actors/Prota.hpp"
#include "app/Console.hpp"
#include "app/GameGlobals.hpp"
#include "app/Platform.hpp"
#include "input/PadInput.hpp"
#include "menus/ControlsMenu.hpp"
#include "menus/EndingScreen.hpp"
#include "menus/Menu.hpp"
#include "menus/MenuLayouts.hpp"
#include "menus/PauseMenu.hpp"
#include "menus/RankingTable.hpp"
#include "menus/SettingsMenu.hpp"
#include "npc/Items.hpp"
#include "npc/NPC.hpp"
#include "render/Audio.hpp"
#include "render/CoreTextures.hpp"
#include "render/EnemyTextures.hpp"
#include "render/Fonts.hpp"
#include "render/Paths.hpp"
#include "save/RunSnapshot.hpp"
#include "scene/Escena.hpp"
#include "scene/ScenePictures.hpp"
#include "scene/StoryList.hpp"

namespace {

// Background-table entries the settings screen borrows: plain from a paused run, with the
// language panel from the title.
constexpr std::size_t kSettingsFromPauseBackground = 4;
constexpr std::size_t kSettingsFromTitleBackground = 5;

std::uint32_t randomSeed() {
    std::random_device device;
    return device();
}

using console::say;

std::int64_t now() {
    return platform().steadyNowNs();
}

}  // namespace

Game::Game(int windowWidth, int windowHeight, SDL_Renderer*, nlohmann::json config,
           std::optional<std::uint32_t> rngSeed)
    : rng_(rngSeed ? *rngSeed : randomSeed()),
      windowWidth_(windowWidth),
      windowHeight_(windowHeight) {
    const double unit = std::min(windowWidth / kMenuWidth, windowHeight / kMenuHeight);
    scale_ = unit;
    viewWidth_ = windowWidth / unit;
    viewHeight_ = windowHeight / unit;
    camX_ = menuOffsetX_ = (kMenuWidth - viewWidth_) / 2.0;
    camY_ = menuOffsetY_ = (kMenuHeight - viewHeight_) / 2.0;
    levelCamY_ = menuOffsetY_ - kLevelMargin;

    const CoreTextures& t = coreTextures();
    titleScreen_ = std::make_shared<Menu>(kTitle, t.titleScreen, menu_layouts::titleButtons());
    pauseScreen_ = std::make_shared<PauseMenu>();
    settingsScreen_ = std::make_shared<SettingsMenu>();
    controlsScreen_ = std::make_shared<ControlsMenu>();
    gameOverScreen_ =
        std::make_shared<Menu>(kGameOver, t.gameOverScreen, menu_layouts::gameOverButtons());
    difficultyScreen_ =
        std::make_shared<Menu>(kDifficulty, t.backgrounds[4], menu_layouts::difficultyButtons());
    rankingScreen_ =
        std::make_shared<Menu>(kRanking, t.rankingScreen, menu_layouts::rankingButtons());
    allMenus([&](Menu& m) { m.updateDstRect(scale_, camX_, camY_); });
    titleScreen_->resetHighlight();
    current_ = titleScreen_;

    config_ = std::move(config);
    std::vector<std::string> problems;
    ranking_ = Ranking::load(paths::kRankingFile, problems);
    for (const std::string& line : problems) {
        say(line);
    }
    fonts::openFonts(static_cast<int>(unit));
    const auto unlock = config_.find("infiniteUnlock");
    infiniteUnlocked_ = unlock != config_.end() && unlock->is_boolean() && unlock->get<bool>();
}

Game::~Game() = default;
Game::Game(Game&&) noexcept = default;
Game& Game::operator=(Game&&) noexcept = default;

void Game::setResizable(SDL_Window* window, bool resizable) {
    windowFixed_ = !resizable;
    if (window != nullptr) {
        SDL_SetWindowResizable(window, resizable ? SDL_TRUE : SDL_FALSE);
    }
}

void Game::allMenus(const std::function<void(Menu&)>& f) const {
    for (Menu* m :
         {static_cast<Menu*>(titleScreen_.get()), static_cast<Menu*>(pauseScreen_.get()),
          static_cast<Menu*>(settingsScreen_.get()), rankingScreen_.get(), difficultyScreen_.get(),
          gameOverScreen_.get(), static_cast<Menu*>(controlsScreen_.get())}) {
        if (m != nullptr) {
            f(*m);
        }
    }
}

int Game::currentType() const {
    return current_ ? current_->screenType() : 0;
}

std::uint64_t Game::playSeconds() const {
    return clock_.seconds(now());
}

void Game::enter(const std::shared_ptr<Menu>& menu) {
    // A screen is always entered with no pick pending.
    menu->clearClick();
    menu->updateDstRect(scale_, menuOffsetX_, menuOffsetY_);
    camX_ = menuOffsetX_;
    camY_ = menuOffsetY_;
    show(menu);
}

void Game::show(const std::shared_ptr<Menu>& menu) {
    // The highlight starts on the screen's first choice, shown if the pad was used last.
    menu->resetHighlight();
    menu->highlightShown = padInUse_;
    current_ = menu;
}

void Game::setPadInUse(bool inUse) {
    padInUse_ = inUse;
    if (!inUse) {
        allMenus([](Menu& m) { m.highlightShown = false; });
    }
}

bool Game::handleEvents(SDL_Window* window) {
    bool quit = false;
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        quit = handleEvent(event, window) || quit;
    }
    return quit;
}

bool Game::handleEvent(const SDL_Event& event, SDL_Window* window) {
    if (event.type == SDL_QUIT) {
        return true;
    }
    if (event.type == SDL_KEYDOWN && event.key.repeat == 0) {
        const SDL_Keycode sym = event.key.keysym.sym;
        const bool altEnter =
            (sym == SDLK_RETURN || sym == SDLK_KP_ENTER) && (event.key.keysym.mod & KMOD_ALT) != 0;
        if (sym == SDLK_F11 || altEnter) {
            setFullscreen(!fullscreen_, window);
            return false;
        }
    }
    if (Gamepad::isPadEvent(event)) {
        padInUse_ = pads_.event(event, current_.get(), now()) || padInUse_;
        return false;
    }
    if (event.type == SDL_MOUSEBUTTONDOWN) {
        setPadInUse(false);
    }
    if (event.type != SDL_WINDOWEVENT) {
        if (current_) {
            current_->handleEvent(event, scale_, camX_, camY_);
        }
        return false;
    }
    switch (event.window.event) {
        case SDL_WINDOWEVENT_RESIZED:
            resize(event.window.data1, event.window.data2, window);
            break;
        case SDL_WINDOWEVENT_MINIMIZED:
        case SDL_WINDOWEVENT_FOCUS_LOST:
            // A running level pauses itself on its next update.
            if (current_) {
                current_->requestPause();
            }
            break;
        case SDL_WINDOWEVENT_RESTORED:
            if (window != nullptr && (SDL_GetWindowFlags(window) & SDL_WINDOW_MAXIMIZED) != 0) {
                SDL_RestoreWindow(window);
                SDL_ShowWindow(window);
            }
            break;
        case SDL_WINDOWEVENT_CLOSE:
            return true;
        default:
            break;
    }
    return false;
}

void Game::setFullscreen(bool on, SDL_Window* window) {
    fullscreen_ = on;
    config_[kFullscreenKey] = on;
    if (window != nullptr) {
        SDL_SetWindowFullscreen(window, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
        if (!on) {
            // Back in a window: the size the player had before.
            const int width = config_.value("width", windowWidth_);
            const int height = config_.value("height", windowHeight_);
            SDL_SetWindowSize(window, width, height);
            resize(width, height, window);
            // Only a window can change its resizability: a run's window stays fixed.
            setResizable(window, !runShown());
        }
    }
}

bool Game::runShown() const {
    return currentType() == kLevel || pausedScene_ != nullptr;
}

void Game::resize(int width, int height, SDL_Window* window) {
    const double s = std::max(std::min(width / kMenuWidth, height / kMenuHeight), kMinScale);
    scale_ = s;
    // Never smaller than the menus at the smallest scale: 320 × 240.
    if (width < s * kMenuWidth) {
        width = static_cast<int>(s * kMenuWidth);
    }
    if (height < s * kMenuHeight) {
        height = static_cast<int>(s * kMenuHeight);
    }
    const bool run = runShown() && level_ != nullptr;
    double keep = 0.0;
    if (run) {
        if (pausedScene_) {
            camX_ = levelCamX_;
        }
        keep = (viewWidth_ - level_->wShown) / 2.0 + camX_;
    }
    viewWidth_ = width / s;
    viewHeight_ = height / s;
    menuOffsetX_ = (kMenuWidth - viewWidth_) / 2.0;
    menuOffsetY_ = (kMenuHeight - viewHeight_) / 2.0;
    if (run) {
        // The horizontal centre of the level stays where it was.
        levelCamX_ = keep - (viewWidth_ - level_->wShown) / 2.0;
    }
    levelCamY_ = menuOffsetY_ - kLevelMargin;
    camX_ = menuOffsetX_;
    camY_ = menuOffsetY_;
    if (currentType() == kLevel) {
        camX_ = levelCamX_;
        camY_ = levelCamY_;
    }
    allMenus([&](Menu& m) { m.updateDstRect(scale_, menuOffsetX_, menuOffsetY_); });
    if (run) {
        // The level's band stays centred in the new window.
        level_->updateDstRect(scale_, levelCamX_, levelCamY_);
    }
    windowWidth_ = width;
    windowHeight_ = height;
    // A fullscreen window keeps the windowed size for when the player leaves fullscreen.
    if (!fullscreen_) {
        if (window != nullptr) {
            SDL_SetWindowSize(window, width, height);
        }
        config_["width"] = width;
        config_["height"] = height;
    }
    fonts::openFonts(static_cast<int>(scale_));
}

bool Game::update(SDL_Window* window) {
    if (!current_) {
        return false;
    }
    // The pointer moved: the mouse is in use again.
    if (pads_.pointerMoved()) {
        setPadInUse(false);
    }
    pads_.step(*current_, currentType() != kLevel, now());
    const int action = current_->update(scale_, camX_, camY_, viewWidth_, kCameraFollow);
    return perform(action, window);
}

bool Game::perform(int action, SDL_Window* window) {
    switch (action) {
        case kActionGameOver:
            gameOver(window);
            break;
        case kActionLevelCompleted:
            levelCompleted(window);
            break;
        case kActionToTitle:
            toTitle(window, false);
            break;
        case kActionChooseStory:
            if (offerWaitingRun(false, window)) {
                break;
            }
            globals().checkpointLevel = 0;
            infiniteSelected_ = false;
            difficultyScreen_->fromPause = false;
            enter(difficultyScreen_);
            break;
        case kActionPause:
            pause();
            break;
        case kActionResume:
            resume();
            break;
        case kActionSettingsFromPause:
        case kActionSettingsFromTitle: {
            const bool fromPause = action == kActionSettingsFromPause;
            settingsScreen_->fromPause = fromPause;
            settingsScreen_->texture =
                coreTextures().backgrounds[fromPause ? kSettingsFromPauseBackground
                                                     : kSettingsFromTitleBackground];
            enter(settingsScreen_);
            break;
        }
        case kActionExit:
            return true;
        case kActionShowRanking:
            if (infiniteUnlocked_) {
                enter(rankingScreen_);
            } else {
                lockedMessage("Pantalla no disponible",
                              "Completa el modo historia para desbloquearla.", window);
            }
            break;
        case kActionChooseInfinite:
            if (infiniteUnlocked_ && offerWaitingRun(true, window)) {
                break;
            }
            if (infiniteUnlocked_) {
                difficultyScreen_->fromPause = false;
                enter(difficultyScreen_);
                infiniteSelected_ = true;
            } else {
                lockedMessage("Modo no disponible",
                              "Completa el modo historia para desbloquear este modo.", window);
            }
            break;
        case kActionSetEnglish:
            applyLanguage(1);
            config_["language"] = "en";
            break;
        case kActionSetSpanish:
            applyLanguage(0);
            config_["language"] = "es";
            break;
        case kActionClearRanking:
            ranking_.clear();
            saveProgress();
            break;
        case kActionMusicVolumeChanged:
            config_["volumeGeneral"] = audio::state().musicVolume;
            break;
        case kActionSfxVolumeChanged:
            config_["volumeSFX"] = audio::state().sfxVolume;
            break;
        case kActionShowControls:
            settingsScreen_->clearClick();
            controlsScreen_->fromPause = settingsScreen_->fromPause;
            controlsScreen_->updateDstRect(scale_, menuOffsetX_, menuOffsetY_);
            show(controlsScreen_);
            break;
        case kActionStartEasy:
        case kActionStartNormal:
        case kActionStartHard:
        case kActionStartImpossible: {
            const int difficulty = action - kActionStartEasy;
            startRun(difficulty, kRevivesByDifficulty[difficulty], window);
            break;
        }
        case kActionRevive:
            revive(window);
            break;
        default:
            break;
    }
    return false;
}

void Game::lockedMessage(const char* title, const char* text, SDL_Window* window) {
    // Always in Spanish, as the locked screens have always said it.
    platform().showMessage(title, text, window);
    titleScreen_->clearClick();
}

void Game::applyLanguage(int language) {
    globals().language = language;
    allMenus([&](Menu& m) { m.setLanguage(language); });
    controlsScreen_->refreshKeyLabels();
    if (pausedScene_) {
        // The open conversations of the paused level go on in the new language.
        for (const auto& npc : pausedScene_->npcs) {
            npc->reloadLines();
        }
    }
}

void Game::render(SDL_Renderer* renderer) {
    if (!current_) {
        return;
    }
    current_->render(renderer);
    if (currentType() == kLevel && level_) {
        level_->drawHighScore(renderer, highScore_);
        level_->drawScore(renderer);
        level_->drawTime(renderer, static_cast<std::int64_t>(clock_.seconds(now())));
    } else if (current_ == rankingScreen_) {
        const SDL_Rect* screen = rankingScreen_->dstRect;
        ranking_table::draw(renderer, ranking_, globals().language, scale_, menuOffsetX_,
                            menuOffsetY_, screen != nullptr ? screen->w : 0);
    }
}
