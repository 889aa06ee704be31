#include "app/Game.hpp"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <exception>

#include "actors/Prota.hpp"
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

// Revives a run starts with, by difficulty: unlimited on Easy, two on Normal, none above.
constexpr int kRevivesByDifficulty[4] = {-1, 2, 0, 0};

std::uint32_t randomSeed() {
    std::random_device device;
    return device();
}

void say(const std::string& line) {
    std::fprintf(stderr, "valdro: %s\n", line.c_str());
}

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

void Game::fitRun(SDL_Window* window) {
    int width = windowWidth_;
    int height = windowHeight_;
    if (window != nullptr) {
        SDL_GetWindowSize(window, &width, &height);
    }
    if (width <= 0 || height <= 0) {
        width = static_cast<int>(viewWidth_ * scale_);
        height = static_cast<int>(viewHeight_ * scale_);
    }
    const SceneData& first = levels_.front();
    scale_ = std::min(height / (first.height + 2.0 * kLevelMargin), width / first.wShown);
    viewWidth_ = width / scale_;
    viewHeight_ = height / scale_;
    menuOffsetX_ = (kMenuWidth - viewWidth_) / 2.0;
    menuOffsetY_ = (kMenuHeight - viewHeight_) / 2.0;
    levelCamY_ = menuOffsetY_ - kLevelMargin;
    fonts::openFonts(static_cast<int>(scale_));
}

void Game::placeLevel(SceneData& data) {
    // The band shows wShown units from the scene's left end; the camera starts there.
    camX_ = levelCamX_ = (data.wShown - viewWidth_) / 2.0;
    camY_ = levelCamY_ = (data.height - viewHeight_) / 2.0;
    data.bgDstRect =
        SDL_Rect{static_cast<int>(-camX_ * scale_), static_cast<int>(-camY_ * scale_),
                 static_cast<int>(scale_ * data.wShown), static_cast<int>(scale_ * data.height)};
}

void Game::startSceneRun(const SceneData& scene, int difficulty, bool isTutorial,
                         SDL_Window* window) {
    practiceScene_ = scene;
    practiceIsTutorial_ = isTutorial;
    infiniteSelected_ = false;
    const int d = std::clamp(difficulty, 0, 3);
    startRun(d, kRevivesByDifficulty[d], window);
}

void Game::startRun(int difficulty, int revives, SDL_Window* window) {
    std::vector<SceneData> levels{practiceScene_.value_or(SceneData{})};
    std::vector<std::string> names;
    std::string why;
    if (!practiceScene_ && !story::tryBuildLevels(scenes_, rng_, levels, names, why)) {
        // The scene file was checked at start-up; should it still fail, the player stays on the
        // menus instead of losing the game.
        say(std::string(paths::kScenesFile) + ": " + why + "; the run cannot start");
        platform().showMessage("Valdro", std::string(paths::kScenesFile) + ": " + why, window);
        return;
    }
    GameGlobals& g = globals();
    g.revivesLeft = revives;
    revivesUsed_ = 0;
    g.difficulty = difficulty;
    g.checkpointLevel = 0;
    checkpointIndex_ = 0;
    if (level_) {
        // A run still held (never expected here) gives its sheets back first.
        level_->releaseRunTextures();
    }
    items::inventory().clear();
    levels_ = std::move(levels);
    levelNames_ = std::move(names);
    buildRunScene(0, !practiceScene_ || practiceIsTutorial_, window);
    highScore_ = ranking_.best();
    clock_.start(now());
    saveRun();
}

Escena& Game::buildRunScene(int index, bool tutorial, SDL_Window* window) {
    loadEnemyTextures();
    platform().captureMouse(true);
    fitRun(window);
    levelIndex_ = index;
    SceneData& data = levels_[static_cast<std::size_t>(index)];
    placeLevel(data);
    level_ = std::make_shared<Escena>(data, infiniteSelected_, globals().difficulty, tutorial);
    level_->updateDstRect(scale_, camX_, camY_);
    scene_pictures::prefetchAround(levels_, index);
    pausedScene_ = nullptr;
    current_ = level_;
    setResizable(window, false);
    return *level_;
}

bool Game::offerWaitingRun(bool endless, SDL_Window* window) {
    switch (runs_.ask(endless, globals().language, window)) {
        case RunKeeper::Answer::Continue:
            return continueRun(*runs_.waiting(), window);
        case RunKeeper::Answer::Closed:
            titleScreen_->clearClick();
            return true;
        default:
            return false;  // none waiting, or a new run instead
    }
}

bool Game::continueRun(const SavedRun& run, SDL_Window* window) {
    std::optional<std::vector<SceneData>> levels = runs_.scenesOf(scenes_);
    if (!levels) {
        return false;
    }
    if (level_) {
        level_->releaseRunTextures();
    }
    practiceScene_.reset();
    infiniteSelected_ = run.endless;
    globals().difficulty = run.difficulty;
    checkpointIndex_ = run.checkpointIndex;
    levels_ = std::move(*levels);
    levelNames_ = run.scenes;
    // Entered as a revive enters its checkpoint, with everything the run had at the door.
    RunSnapshot::giveBack(run, buildRunScene(run.position, run.position == 0, window));
    // The bellboy's revive lines go on where the first session left them.
    const int revives = kRevivesByDifficulty[std::clamp(run.difficulty, 0, 3)];
    revivesUsed_ = run.revivesLeft < 0 ? 0 : std::max(0, revives - run.revivesLeft);
    highScore_ = ranking_.best();
    clock_.startFrom(now(), run.playedNs);
    return true;
}

void Game::saveRun() {
    if (!practiceScene_ && level_ && levelNames_.size() == levels_.size()) {
        runs_.save(*level_, {&levelNames_, levelIndex_, checkpointIndex_, infiniteSelected_,
                             clock_.totalNs(now())});
    }
}

void Game::forgetRun() {
    if (!practiceScene_) {
        runs_.forget();
    }
}

void Game::enterLevel(int index) {
    levelIndex_ = index;
    SceneData& data = levels_[static_cast<std::size_t>(index)];
    placeLevel(data);
    const int checkpointBefore = globals().checkpointLevel;
    level_->loadScene(data);
    // This frame is drawn with the new room: everything in it in place before the first draw.
    level_->updateDstRect(scale_, camX_, camY_);
    scene_pictures::prefetchAround(levels_, index);
    // The scene counts checkpoints in scenes entered; a revive needs the place in the list,
    // which differs once an endless run has gone round.
    if (globals().checkpointLevel != checkpointBefore) {
        checkpointIndex_ = index;
    }
    saveRun();
}

void Game::levelCompleted(SDL_Window* window) {
    if (!level_ || levels_.empty()) {
        return;
    }
    if (practiceScene_) {
        toTitle(window, false);
        return;
    }
    int next = levelIndex_ + 1;
    if (!infiniteSelected_) {
        if (levelIndex_ >= static_cast<int>(levels_.size()) - 1) {
            // The story is over: nothing is left to continue.
            forgetRun();
            finishStory(window);
            return;
        }
    } else if (next >= static_cast<int>(levels_.size())) {
        // Another lap with new picks; the tutorial is played once per run.
        std::string why;
        if (!story::tryBuildLevels(scenes_, rng_, levels_, levelNames_, why)) {
            say(std::string(paths::kScenesFile) + ": " + why + "; the same scenes go round");
        }
        next = story::kWrapIndex;
    }
    enterLevel(next);
}

void Game::finishStory(SDL_Window* window) {
    // The run's figures as the HUD last showed them.
    const int score = level_->prota->score;
    const std::uint64_t seconds = clock_.seconds(now());
    clock_.stop(now());
    toTitle(window, true);
    // The ending hands back to the title when it is over.
    current_ = std::make_shared<EndingScreen>(score, seconds, globals().language);
}

void Game::gameOver(SDL_Window* window) {
    if (!level_) {
        return;
    }
    const std::int64_t at = now();
    clock_.stop(at);
    const Prota& prota = *level_->prota;
    const int score = prota.score;
    if (!practiceScene_) {
        ranking_.insert(score, clock_.seconds(at));
    }
    level_->releaseRunTextures();
    GameGlobals& g = globals();
    g.deathMaxHealth = prota.maxHp;
    g.deathMoney = prota.coins;
    g.deathScore = score;
    // The scene has played "gameOver" already.
    audio::haltMusic();
    enter(gameOverScreen_);
    platform().captureMouse(false);
    setResizable(window, true);
    level_.reset();
    pausedScene_ = nullptr;
    if (!practiceScene_) {
        recordProgress();
        saveProgress();
    }
    if (g.revivesLeft == 0) {
        forgetRun();
    }
}

void Game::revive(SDL_Window* window) {
    GameGlobals& g = globals();
    if (levels_.empty() || (g.revivesLeft == 0)) {
        return;
    }
    const int index = std::clamp(checkpointIndex_, 0, static_cast<int>(levels_.size()) - 1);
    // Enemies stay as strong as the run had made them.
    const int enemyLevel = g.enemyLevel;
    const bool tutorial = practiceScene_ ? practiceIsTutorial_ : index == 0;
    buildRunScene(index, tutorial, window);
    g.enemyLevel = enemyLevel;
    Prota& prota = *level_->prota;
    if (!tutorial && infiniteSelected_) {
        // The heart a later checkpoint adds makes up for story mode's reduced start only.
        prota.maxHp -= 1;
        prota.hp = prota.maxHp;
    }
    prota.addScore(g.deathScore);
    prota.addCoins(g.deathMoney);
    items::inventory().reapply(prota);
    if (!tutorial) {
        while (prota.maxHp < g.deathMaxHealth) {
            prota.maxHp += 1;
            prota.hp = prota.maxHp;
        }
    }
    level_->resizeHearts();
    audio::haltEffects();
    if (g.revivesLeft != -1) {
        g.revivesLeft -= 1;
    }
    // The bellboy has a word for a player who is back on their feet.
    level_->npcs.push_back(NPC::inPassing(NPC::kBotones, dialogue::kReviveEntry, revivesUsed_));
    revivesUsed_ += 1;
    clock_.resume(now());
    saveRun();
}

void Game::pause() {
    if (!pausedScene_ && level_ && current_ == level_) {
        platform().captureMouse(false);
        levelCamX_ = camX_;
        levelCamY_ = camY_;
        pausedScene_ = level_;
        clock_.stop(now());
        level_->prota->keys = 0;
    }
    enter(pauseScreen_);
}

void Game::resume() {
    if (!pausedScene_) {
        return;
    }
    camX_ = levelCamX_;
    camY_ = levelCamY_;
    current_ = pausedScene_;
    pausedScene_->pauseRequested = false;
    // Keys and the dash button released while the menus were shown never reached the level.
    pausedScene_->prota->keys = 0;
    pads_.carryHeld(*pausedScene_);
    pausedScene_ = nullptr;
    clock_.resume(now());
    platform().captureMouse(true);
}

void Game::toTitle(SDL_Window* window, bool storyCompleted) {
    // Practice is neither ranked nor story progress.
    const bool counts = !practiceScene_;
    const bool endsRun = level_ != nullptr || current_ == gameOverScreen_;
    if (current_ == gameOverScreen_) {
        forgetRun();  // given up after a fall
    }
    if (pausedScene_ && counts) {
        // Leaving from the pause menu: the run is ranked with the time played up to the pause.
        ranking_.insert(pausedScene_->prota->score, clock_.seconds(now()));
    }
    if (level_) {
        level_->releaseRunTextures();
    }
    if (endsRun) {
        audio::haltEffects();
        audio::playMusic(paths::kMenuMusic);
        if (storyCompleted) {
            audio::playSound("storyCompleted");
        }
        if (counts) {
            recordProgress();
        }
    }
    platform().captureMouse(false);
    setResizable(window, true);
    if (storyCompleted) {
        infiniteUnlocked_ = true;
        config_["infiniteUnlock"] = true;
    }
    enter(titleScreen_);
    pausedScene_ = nullptr;
    level_.reset();
    practiceScene_.reset();
    if (endsRun && counts) {
        saveProgress();
    }
}

void Game::recordProgress() {
    GameGlobals& g = globals();
    if (levelIndex_ + 1 > g.maxLevel) {
        g.maxLevel = levelIndex_ + 1;
        config_["maxLevel"] = g.maxLevel;
    }
}

void Game::saveProgress() const {
    if (!savesProgress_) {
        return;
    }
    if (!saveAll()) {
        say("the game's progress could not be saved now; it is tried again at exit");
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
