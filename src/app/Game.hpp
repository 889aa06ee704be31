#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "app/PlayClock.hpp"
#include "menus/PadFocus.hpp"
#include "render/Paths.hpp"
#include "save/PlayerFiles.hpp"
#include "save/Ranking.hpp"
#include "save/RunKeeper.hpp"
#include "scene/SceneData.hpp"

class ControlsMenu;
class Escena;
class Menu;
class PauseMenu;
class Screen;
class SettingsMenu;
struct SDL_Renderer;
struct SDL_Window;
union SDL_Event;

// The single top-level object: it owns the screens, the camera and the pixels-per-unit scale,
// the configuration document, the ranking and the play clock. Exactly one screen is current; it
// alone receives input, is updated and is drawn. A screen's update hands back a GameAction that
// the game carries out: a screen change, a settings change, or the start or end of a run.
class Game {
public:
    static constexpr double kMenuWidth = 16.0;
    static constexpr double kMenuHeight = 12.0;
    static constexpr double kMinScale = 20.0;
    // World units kept free above and below a level for the HUD.
    static constexpr double kLevelMargin = 1.5;
    static constexpr double kCameraFollow = 6.0;
    // Revives a run starts with, by difficulty: unlimited on Easy, two on Normal, none above.
    static constexpr int kRevivesByDifficulty[4] = {-1, 2, 0, 0};
    // The configuration key that remembers fullscreen.
    static constexpr const char* kFullscreenKey = "fullscreen";

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
    // Carries out one GameAction as if the current screen had returned it; true means quit.
    bool perform(int action, SDL_Window* window);
    void render(SDL_Renderer* renderer);

    // Practice: plays one scene as a run of its own at a difficulty (0 easy to 3 impossible),
    // with the difficulty's revives. Completing it, or leaving it, returns to the title; it is
    // neither ranked nor counted as story progress.
    // isTutorial: the scene is the tutorial, with its script and the story's weak start.
    void startSceneRun(const SceneData& scene, int difficulty, bool isTutorial, SDL_Window* window);
    bool practising() const { return practiceScene_.has_value(); }

    // Shows every menu in language l (0 Spanish, 1 English), the paused level's conversations
    // included.
    void applyLanguage(int language);
    // Desktop fullscreen on or off; remembered in the configuration.
    void setFullscreen(bool on, SDL_Window* window);
    bool fullscreen() const { return fullscreen_; }
    // A run's window keeps its size; menus may be resized.
    bool windowFixed() const { return windowFixed_; }

    // Writes the configuration and the ranking (atomically); false when either failed.
    bool saveAll() const { return playerFiles_.save(config_, ranking_); }

    // Where progress is saved as it is made: the player's settings and ranking files. Without
    // them (a replay, a practice run) nothing the game does is ever written.
    void setPlayerFiles(std::string configFile, std::string rankingFile) {
        playerFiles_ = PlayerFiles(std::move(configFile), std::move(rankingFile));
        savesProgress_ = true;
    }
    void keepPlayerFilesUntouched() { savesProgress_ = false; }
    // Where a story or endless run is kept between sessions; reads the run waiting there.
    void setRunFile(RunFile file) { runs_.open(std::move(file)); }
    // The run the title offers to continue, as last saved.
    const std::optional<SavedRun>& waitingRun() const { return runs_.waiting(); }
    const nlohmann::json& config() const { return config_; }
    nlohmann::json& config() { return config_; }
    Ranking& ranking() { return ranking_; }
    nlohmann::json& scenes() { return scenes_; }
    const std::shared_ptr<Screen>& current() const { return current_; }
    int currentType() const;
    // The level scene of the run in progress (shown or paused); null between runs.
    const std::shared_ptr<Escena>& level() const { return level_; }
    Menu& titleScreen() const { return *titleScreen_; }
    Menu& gameOverScreen() const { return *gameOverScreen_; }
    PauseMenu& pauseScreen() const { return *pauseScreen_; }
    SettingsMenu& settingsScreen() const { return *settingsScreen_; }
    ControlsMenu& controlsScreen() const { return *controlsScreen_; }
    Menu& difficultyScreen() const { return *difficultyScreen_; }
    Menu& rankingScreen() const { return *rankingScreen_; }
    bool paused() const { return pausedScene_ != nullptr; }
    bool infiniteUnlocked() const { return infiniteUnlocked_; }
    bool infiniteSelected() const { return infiniteSelected_; }
    const std::vector<SceneData>& levels() const { return levels_; }
    int levelIndex() const { return levelIndex_; }
    int checkpointIndex() const { return checkpointIndex_; }
    int highScore() const { return highScore_; }
    std::uint64_t playSeconds() const;
    double scale() const { return scale_; }
    double camX() const { return camX_; }
    double camY() const { return camY_; }
    double viewWidth() const { return viewWidth_; }
    double viewHeight() const { return viewHeight_; }
    std::mt19937& rng() { return rng_; }
    const Gamepad& gamepad() const { return pads_.pad(); }
    // The pad was used last: the menus show their highlight (the mouse hides it again).
    bool padInUse() const { return padInUse_; }

private:
    void resize(int width, int height, SDL_Window* window);
    bool runShown() const;
    void enter(const std::shared_ptr<Menu>& menu);
    void show(const std::shared_ptr<Menu>& menu);
    void setPadInUse(bool inUse);
    void setResizable(SDL_Window* window, bool resizable);
    void allMenus(const std::function<void(Menu&)>& f) const;

    void startRun(int difficulty, int revives, SDL_Window* window);
    // Builds the run's level scene from levels_[index] and shows it.
    Escena& buildRunScene(int index, bool tutorial, SDL_Window* window);
    // Story Mode or Infinite Mode with a run of that mode waiting: asks whether to continue it.
    // True when the choice was taken here (continued, or the question closed).
    bool offerWaitingRun(bool endless, SDL_Window* window);
    bool continueRun(const SavedRun& run, SDL_Window* window);
    // At every scene entry of a run the run is saved; once it has ended it is removed.
    void saveRun();
    void forgetRun();
    void revive(SDL_Window* window);
    void gameOver(SDL_Window* window);
    void levelCompleted(SDL_Window* window);
    void toTitle(SDL_Window* window, bool storyCompleted);
    // Valdro is beaten: the story is completed as on the title, and the ending is shown first.
    void finishStory(SDL_Window* window);
    void pause();
    void resume();
    void lockedMessage(const char* title, const char* text, SDL_Window* window);

    // Fits the scale to the run's first scene in the window: its shown width and its height
    // with room for the HUD above and below.
    void fitRun(SDL_Window* window);
    // Places the camera at the scene's left end and gives the scene its band.
    void placeLevel(SceneData& data);
    // Enters levels_[index] in the running scene.
    void enterLevel(int index);
    void recordProgress();
    void saveProgress() const;

    std::mt19937 rng_;
    bool infiniteSelected_ = false;
    bool infiniteUnlocked_ = false;
    int revivesUsed_ = 0;  // in the run in progress: the bellboy has a word for each
    std::shared_ptr<Menu> titleScreen_;
    std::shared_ptr<Menu> gameOverScreen_;
    std::shared_ptr<PauseMenu> pauseScreen_;
    std::shared_ptr<SettingsMenu> settingsScreen_;
    std::shared_ptr<Menu> rankingScreen_;
    std::shared_ptr<ControlsMenu> controlsScreen_;
    std::shared_ptr<Menu> difficultyScreen_;
    std::shared_ptr<Screen> current_;
    PadFocus pads_;
    bool padInUse_ = false;
    std::shared_ptr<Escena> level_;
    std::shared_ptr<Escena> pausedScene_;
    double scale_ = kMinScale;
    double camX_ = 0.0;
    double camY_ = 0.0;
    double viewWidth_ = kMenuWidth;
    double viewHeight_ = kMenuHeight;
    double levelCamX_ = 0.0;
    double menuOffsetX_ = 0.0;
    double levelCamY_ = 0.0;
    double menuOffsetY_ = 0.0;
    int windowWidth_ = 0;  // the last size known, for runs started without a window (tests)
    int windowHeight_ = 0;
    bool fullscreen_ = false;
    bool windowFixed_ = false;
    std::vector<SceneData> levels_;
    std::vector<std::string> levelNames_;  // where each of levels_ came from
    RunKeeper runs_;
    int levelIndex_ = 0;
    int checkpointIndex_ = 0;  // the list position a revive starts from
    int highScore_ = 0;
    std::optional<SceneData> practiceScene_;  // the scene of a practice run
    bool practiceIsTutorial_ = false;
    nlohmann::json config_;
    Ranking ranking_;
    PlayClock clock_;
    nlohmann::json scenes_;
    PlayerFiles playerFiles_{paths::kConfigFile, paths::kRankingFile};
    bool savesProgress_ = true;
};
