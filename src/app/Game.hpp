#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <random>

#include <nlohmann/json.hpp>

#include "app/Ranking.hpp"

class Escena;
struct SceneData;
struct SDL_Renderer;
struct SDL_Texture;
struct SDL_Window;
union SDL_Event;

// The single top-level object: it owns the screens, the camera and the pixels-per-unit scale,
// the configuration document, the ranking and the play clock. Exactly one screen is current; it
// alone receives input, is updated and is drawn.
class Game {
public:
    static constexpr double kMenuWidth = 16.0;
    static constexpr double kMenuHeight = 12.0;
    static constexpr double kMinScale = 20.0;

    Game() = default;
    // rngSeed fixes the level shuffle for tests and tools; without it the seed is random.
    Game(int windowWidth, int windowHeight, SDL_Renderer* renderer, nlohmann::json config,
         std::optional<std::uint32_t> rngSeed = std::nullopt);
    ~Game();
    Game(Game&&) noexcept;
    Game& operator=(Game&&) noexcept;
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Drains the event queue; true means quit.
    bool handleEvents(SDL_Window* window);
    // Handles one event; true means quit. handleEvents feeds every queued event here.
    bool handleEvent(const SDL_Event& event, SDL_Window* window);
    // One update of the current screen and the action it returns; true means quit.
    bool update(SDL_Window* window);
    void render(SDL_Renderer* renderer);

    // Practice: plays one scene as a fresh run at a difficulty (0 easy to 3 impossible). When
    // the scene is completed or the player dies, the game closes normally.
    // isTutorial: the scene is the tutorial, with its script and the story's weak start.
    void startSceneRun(const SceneData& scene, int difficulty, bool isTutorial,
                       SDL_Window* window);
    // Seconds of play in the run so far.
    std::int64_t playSeconds() const;

    const nlohmann::json& config() const { return config_; }
    nlohmann::json& config() { return config_; }
    Ranking& ranking() { return ranking_; }
    nlohmann::json& scenes() { return scenes_; }
    const std::shared_ptr<Escena>& current() const { return current_; }
    const std::shared_ptr<Escena>& titleScreen() const { return titleScreen_; }
    double scale() const { return scale_; }
    double camX() const { return camX_; }
    double camY() const { return camY_; }
    double viewWidth() const { return viewWidth_; }
    double viewHeight() const { return viewHeight_; }
    std::mt19937& rng() { return rng_; }

private:
    void resize(int width, int height, SDL_Window* window);
    // Fits the scale to a run's first scene in a window of the given size: its shown width and
    // its height with room for the HUD above and below.
    void fitScaleTo(const SceneData& first, int windowWidth, int windowHeight);
    // Places the camera at the scene's left end and gives the scene its band.
    void enterLevel(SceneData& scene);
    std::shared_ptr<Escena> makeMenuScreen(SDL_Texture* background, int type) const;
    bool runShown() const;

    std::mt19937 rng_;
    bool infiniteSelected_ = false;
    bool infiniteUnlocked_ = false;
    std::shared_ptr<Escena> titleScreen_;
    std::shared_ptr<Escena> current_;
    std::shared_ptr<Escena> pausedScene_;
    double scale_ = kMinScale;
    double camX_ = 0.0;
    double camY_ = 0.0;
    double viewWidth_ = kMenuWidth;
    double viewHeight_ = kMenuHeight;
    double cameraFollowConstant_ = 6.0;
    double levelMargin_ = 1.5;
    double levelCamX_ = 0.0;
    double menuOffsetX_ = 0.0;
    double levelCamY_ = 0.0;
    double menuOffsetY_ = 0.0;
    nlohmann::json config_;
    Ranking ranking_;
    nlohmann::json scenes_;
    std::shared_ptr<Escena> level_;
    bool singleScene_ = false;
    int highScore_ = 0;
    std::int64_t segmentStartNs_ = 0;
    std::int64_t playNsBefore_ = 0;  // play time before the current stretch, exact
};
