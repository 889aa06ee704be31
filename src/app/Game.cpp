#include "app/Game.hpp"

#include <SDL.h>

#include <algorithm>
#include <cstdio>

#include "app/GameGlobals.hpp"
#include "app/Platform.hpp"
#include "npc/Items.hpp"
#include "render/CoreTextures.hpp"
#include "render/EnemyTextures.hpp"
#include "render/Fonts.hpp"
#include "render/Paths.hpp"
#include "scene/Escena.hpp"

namespace {
std::uint32_t randomSeed() {
    std::random_device device;
    return device();
}
}  // namespace

Game::Game(int windowWidth, int windowHeight, SDL_Renderer*, nlohmann::json config,
           std::optional<std::uint32_t> rngSeed)
    : rng_(rngSeed ? *rngSeed : randomSeed()) {
    const double unit = std::min(windowWidth / kMenuWidth, windowHeight / kMenuHeight);
    scale_ = unit;
    viewWidth_ = windowWidth / unit;
    viewHeight_ = windowHeight / unit;
    camX_ = menuOffsetX_ = (kMenuWidth - viewWidth_) / 2.0;
    camY_ = menuOffsetY_ = (kMenuHeight - viewHeight_) / 2.0;
    levelCamY_ = menuOffsetY_ - levelMargin_;

    titleScreen_ = makeMenuScreen(coreTextures().titleScreen, kTitle);
    current_ = titleScreen_;

    config_ = std::move(config);
    std::vector<std::string> problems;
    ranking_ = Ranking::load(paths::kRankingFile, problems);
    for (const std::string& line : problems) {
        std::fprintf(stderr, "valdro: %s\n", line.c_str());
    }
    fonts::openFonts(static_cast<int>(unit));
    const auto unlock = config_.find("infiniteUnlock");
    infiniteUnlocked_ = unlock != config_.end() && unlock->is_boolean() && unlock->get<bool>();
}

Game::~Game() = default;
Game::Game(Game&&) noexcept = default;
Game& Game::operator=(Game&&) noexcept = default;

std::shared_ptr<Escena> Game::makeMenuScreen(SDL_Texture* background, int type) const {
    const SDL_Rect dst{static_cast<int>(-camX_ * scale_), static_cast<int>(-camY_ * scale_),
                       static_cast<int>(scale_ * kMenuWidth),
                       static_cast<int>(scale_ * kMenuHeight)};
    return std::make_shared<Escena>(kMenuWidth, kMenuHeight, background, dst, type,
                                    std::vector<std::shared_ptr<Button>>{});
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
            // A running level pauses itself on its next update.
            current_->requestPause();
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

bool Game::runShown() const {
    return (current_ && current_->screenType() == kLevel) || pausedScene_ != nullptr;
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
    const std::shared_ptr<Escena>& shown = pausedScene_ ? pausedScene_ : current_;
    const bool run = runShown();
    double keep = 0.0;
    if (run) {
        if (pausedScene_) {
            camX_ = levelCamX_;
        }
        keep = (viewWidth_ - shown->wShown) / 2.0 + camX_;
    }
    viewWidth_ = width / s;
    viewHeight_ = height / s;
    menuOffsetX_ = (kMenuWidth - viewWidth_) / 2.0;
    menuOffsetY_ = (kMenuHeight - viewHeight_) / 2.0;
    if (run) {
        // The horizontal centre of the level stays where it was.
        levelCamX_ = keep - (viewWidth_ - shown->wShown) / 2.0;
    }
    levelCamY_ = menuOffsetY_ - levelMargin_;
    camX_ = menuOffsetX_;
    camY_ = menuOffsetY_;
    if (current_ && current_->screenType() == kLevel) {
        camX_ = levelCamX_;
        camY_ = levelCamY_;
    }
    titleScreen_->updateDstRect(scale_, menuOffsetX_, menuOffsetY_);
    if (run) {
        shown->updateDstRect(scale_, menuOffsetX_, levelCamY_);
    }
    if (window != nullptr) {
        SDL_SetWindowSize(window, width, height);
    }
    config_["width"] = width;
    config_["height"] = height;
    fonts::openFonts(static_cast<int>(scale_));
}

void Game::fitScaleTo(const SceneData& first, int windowWidth, int windowHeight) {
    scale_ = std::min(windowHeight / (first.height + 2.0 * levelMargin_),
                      windowWidth / first.wShown);
    viewWidth_ = windowWidth / scale_;
    viewHeight_ = windowHeight / scale_;
    menuOffsetX_ = (kMenuWidth - viewWidth_) / 2.0;
    menuOffsetY_ = (kMenuHeight - viewHeight_) / 2.0;
}

void Game::enterLevel(SceneData& scene) {
    // The band shows wShown units from the scene's left end; the camera starts there.
    camX_ = levelCamX_ = (scene.wShown - viewWidth_) / 2.0;
    camY_ = levelCamY_ = (scene.height - viewHeight_) / 2.0;
    scene.bgDstRect = SDL_Rect{static_cast<int>(-camX_ * scale_), static_cast<int>(-camY_ * scale_),
                               static_cast<int>(scale_ * scene.wShown),
                               static_cast<int>(scale_ * scene.height)};
}

void Game::startSceneRun(const SceneData& scene, int difficulty, bool isTutorial,
                         SDL_Window* window) {
    GameGlobals& g = globals();
    g.difficulty = difficulty;
    g.revivesLeft = 0;
    g.checkpointLevel = 0;
    loadEnemyTextures();
    items::inventory().clear();
    int width = 0;
    int height = 0;
    if (window != nullptr) {
        SDL_GetWindowSize(window, &width, &height);
        SDL_ShowCursor(SDL_DISABLE);
        SDL_SetRelativeMouseMode(SDL_TRUE);
    }
    if (width <= 0 || height <= 0) {
        width = static_cast<int>(viewWidth_ * scale_);
        height = static_cast<int>(viewHeight_ * scale_);
    }
    SceneData entered = scene;
    fitScaleTo(entered, width, height);
    enterLevel(entered);
    // Any other scene starts the player as a revive would: with the tutorial's heart and full
    // health.
    level_ = std::make_shared<Escena>(entered, false, difficulty, isTutorial);
    level_->updateDstRect(scale_, camX_, camY_);
    current_ = level_;
    singleScene_ = true;
    highScore_ = ranking_.entries().empty() ? 0 : ranking_.entries().front().score;
    segmentStartNs_ = platform().steadyNowNs();
    playNsBefore_ = 0;
    fonts::openFonts(static_cast<int>(scale_));
}

std::int64_t Game::playSeconds() const {
    const std::int64_t running = level_ ? platform().steadyNowNs() - segmentStartNs_ : 0;
    return (playNsBefore_ + running) / 1'000'000'000;
}

bool Game::update(SDL_Window* window) {
    if (!current_) {
        return false;
    }
    const int code = current_->update(scale_, camX_, camY_, viewWidth_, cameraFollowConstant_);
    if (singleScene_ && (code == kActionGameOver || code == kActionLevelCompleted)) {
        level_->releaseRunTextures();
        if (window != nullptr) {
            SDL_SetRelativeMouseMode(SDL_FALSE);
            SDL_ShowCursor(SDL_ENABLE);
        }
        return true;
    }
    if (code == kActionPause && level_) {
        // Practice has no pause menu: the pause key is taken and play goes on.
        level_->pauseRequested = false;
    }
    return false;
}

void Game::render(SDL_Renderer* renderer) {
    if (!current_) {
        return;
    }
    current_->render(renderer);
    if (current_ == level_ && level_) {
        level_->drawHighScore(renderer, highScore_);
        level_->drawScore(renderer);
        level_->drawTime(renderer, playSeconds());
    }
}
