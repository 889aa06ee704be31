// The run lifecycle of the game: starting a run or a practice scene, continuing a kept one,
// entering each scene, reviving, game over, completing a level or the story, and the way back
// to the title.
#include <SDL.h>

#include <algorithm>
#include <exception>

#include "actors/Prota.hpp"
#include "app/Console.hpp"
#include "app/Game.hpp"
#include "app/GameGlobals.hpp"
#include "app/Platform.hpp"
#include "menus/EndingScreen.hpp"
#include "menus/Menu.hpp"
#include "menus/PauseMenu.hpp"
#include "npc/Items.hpp"
#include "npc/NPC.hpp"
#include "render/Audio.hpp"
#include "render/EnemyTextures.hpp"
#include "render/Fonts.hpp"
#include "save/RunSnapshot.hpp"
#include "scene/Escena.hpp"
#include "scene/ScenePictures.hpp"
#include "scene/StoryList.hpp"

namespace {

using console::say;

std::int64_t now() {
    return platform().steadyNowNs();
}

}  // namespace

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
