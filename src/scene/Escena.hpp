#pragma once

#include <SDL_rect.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/Screen.hpp"
#include "render/Renderizable.hpp"
#include "scene/BandClip.hpp"
#include "scene/FinalWords.hpp"
#include "scene/RoomPhysics.hpp"
#include "scene/SceneCamera.hpp"
#include "scene/SceneCombat.hpp"
#include "scene/SceneControls.hpp"
#include "scene/SceneData.hpp"
#include "scene/SceneHud.hpp"
#include "scene/ScenePainter.hpp"
#include "scene/SceneShop.hpp"
#include "scene/SceneTalk.hpp"
#include "scene/World.hpp"

class Animated;
class Background;
class Disparo;
class Enemigo;
class Jefe;
class NPC;
class Objeto;
class Obstucalo;
class Plataforma;
class PrescaledTexture;
class Prota;

// A playable scene: a level, a shop, a dialogue room or a boss arena. The game builds one when a
// run starts and refills the same object for every following scene (loadScene). It holds the
// room and everything in it, and hands the work on each frame to its parts: the camera, the
// combat, the controls, the talk, the shop, the HUD and the painter.
//
// Each frame the game calls handleEvent for every event, then update, then render and the three
// HUD texts. The background is this object's own texture and rectangles: srcRect cuts the
// shown part of the image, dstRect is the band (the scene's shown width in window pixels) that
// everything else is clipped to.
class Escena : public Renderizable, public Screen, public World {
public:
    // How far from the right end the exit lies: the player must stand beyond width - kExitDepth.
    static constexpr double kExitDepth = 1.46;
    // The HUD hearts: at most this many are drawn, each this many world units square.
    static constexpr int kMaxHeartsShown = 7;
    static constexpr double kHeartSize = 1.3;
    // The floor every scene shares, and the ceiling.
    static constexpr double kFloorY = room_physics::kFloorY;
    // Chance that a killed enemy drops a heart (none in boss arenas).
    static constexpr double kHeartDropChance = 0.25;
    // Aiming with the pad's right stick: the crosshair stands this far from the hero's centre.
    static constexpr double kPadAimDistance = 3.0;

    // A new run's first scene (isTutorial) or a revive at a checkpoint (then the player gets one
    // heart more than the mode starts with). data.bgDstRect must already hold the band.
    Escena(SceneData data, bool infinite, int difficulty, bool isTutorial);
    // An empty room of the given size with nothing in it but the player (tests, tools).
    Escena(double width, double height);
    ~Escena() override;

    Escena(const Escena&) = delete;
    Escena& operator=(const Escena&) = delete;

    // Screen
    int screenType() const override { return kLevel; }
    void handleEvent(const SDL_Event& event, double scale, double camX, double camY) override {
        controls_.handleEvent(event, scale, camX, camY);
    }
    int update(double scale, double& camX, double camY, double viewWidth,
               double scrollMargin) override;
    void render(SDL_Renderer* renderer) override { painter_.render(renderer); }
    void updateDstRect(double scale, double camX, double camY) override;
    void requestPause() override { pauseRequested = true; }
    // The pad: moves, ducks, jumps, interacts, pauses, dashes, shoots and aims like the keys
    // and the mouse.
    void handlePad(const PadInput& input) override { controls_.handlePad(input); }

    // Empties this scene and refills it from the next scene of the run, keeping the player's
    // health, score, coins and upgrades.
    void loadScene(const SceneData& data);
    // The run ends: frees the boss's sheets, or the regular enemies' when there is no boss.
    void releaseRunTextures();

    // World: what the cast may do to the room.
    WorldRect room() const override { return WorldRect{x, y, w, h}; }
    double shownWidth() const override { return wShown; }
    void addEnemy(std::shared_ptr<Enemigo> enemy) override;
    void addEnemyShot(std::shared_ptr<Disparo> shot) override;
    void clearEnemies() override { enemies.clear(); }
    bool talkIsOver() const override { return !npcs.empty() && !talking(false); }

    // Scrolls the camera so the player keeps scrollMargin units ahead; stops the player at the
    // band's edges.
    void scrollCamera(double viewWidth, double scrollMargin, double& camX) {
        camera_.scrollCamera(viewWidth, scrollMargin, camX);
    }

    // The HUD line above the band: score (left third), high score (middle), play time (right).
    void drawHighScore(SDL_Renderer* renderer, int best) const {
        hud_.drawHighScore(renderer, best);
    }
    void drawScore(SDL_Renderer* renderer) const { hud_.drawScore(renderer); }
    void drawTime(SDL_Renderer* renderer, std::int64_t seconds) const {
        hud_.drawTime(renderer, seconds);
    }

    // Some character (the tutorial guide included when includeGuide) is showing a line.
    bool talking(bool includeGuide = true) const;
    // No enemy left and, in an arena, the boss down.
    bool cleared() const;
    // The player stands beyond the exit line.
    bool atExit() const;
    // Every character but the tutorial guide has said all it has to say.
    bool conversationsFinished() const;
    // A heart falls from where the enemy was, onto the floor or a case standing on it.
    void dropHeart(const Enemigo& enemy) { combat_.dropHeart(enemy); }
    // Resizes both HUD heart strips after health changed.
    void resizeHearts();

    // Texts of the HUD, as drawn.
    static std::string scoreText(int score) { return SceneHud::scoreText(score); }
    static std::string highScoreText(int best) { return SceneHud::highScoreText(best); }
    static std::string coinText(int coins) { return SceneHud::coinText(coins); }
    static std::string timeText(std::int64_t seconds) { return SceneHud::timeText(seconds); }
    static std::string extraHeartsText(int hp) { return SceneHud::extraHeartsText(hp); }

    bool exitRequested = false;
    bool pauseRequested = false;
    // The direction the right stick last aimed (a unit vector, y down); the crosshair keeps to
    // it until the mouse moves.
    bool padAiming = false;
    double padAimX = 1.0;
    double padAimY = 0.0;
    bool isTutorial = false;
    bool freeItem = false;
    bool quiet = false;
    bool infinite = false;
    int difficulty = 0;
    double wShown = 0.0;
    double backgroundScroll = 0.0;
    SceneData data;  // the scene as entered

    std::vector<std::shared_ptr<Plataforma>> platforms;
    std::vector<std::shared_ptr<Obstucalo>> obstacles;
    std::shared_ptr<Prota> prota;
    std::shared_ptr<Jefe> boss;
    std::vector<std::shared_ptr<Disparo>> enemyShots;
    std::vector<std::shared_ptr<Disparo>> playerShots;
    std::shared_ptr<Renderizable> crosshair;
    std::shared_ptr<Renderizable> hearts;
    std::shared_ptr<Renderizable> emptyHearts;
    std::shared_ptr<Animated> reticle;
    std::vector<std::shared_ptr<Objeto>> items;
    std::shared_ptr<Renderizable> prompt;
    std::vector<std::shared_ptr<NPC>> npcs;
    std::vector<std::shared_ptr<Background>> treeLayers;  // trees1, trees2, trees3
    int levelNumber = 0;
    std::vector<std::shared_ptr<Enemigo>> enemies;

private:
    friend class SceneCamera;
    friend class SceneCombat;
    friend class SceneControls;
    friend class SceneHud;
    friend class ScenePainter;
    friend class SceneShop;
    friend class SceneTalk;

    void buildContents(const SceneData& data, int enemyLevel);
    void enterBossArena(int bossKind);
    void leaveBossArena();
    void placeBackground(const SceneData& data);
    void updateFallingItems();

    // Whether r touches the player's body and legs (items, characters).
    bool overlapsPlayer(const Renderizable& r) const;

    double scale_ = 1.0;
    double camX_ = 0.0;
    double camY_ = 0.0;
    // How far the camera has scrolled right since the scene was entered (world units).
    double scrolled_ = 0.0;
    int bossKind_ = -1;  // 0 Greed, 1 Lust, 2 Valdro; -1 no boss
    FinalWords finalWords_;
    // The room's background at the band's size, made again when the room or the size changes.
    std::unique_ptr<PrescaledTexture> bandPicture_;
    // The pointer's position at the last update: when it moves, the mouse aims again.
    bool mouseSeen_ = false;
    int lastMouseX_ = 0;
    int lastMouseY_ = 0;

    // The parts the work is handed to; each keeps only a reference to this scene.
    SceneCamera camera_{*this};
    SceneCombat combat_{*this};
    SceneControls controls_{*this};
    SceneHud hud_{*this};
    ScenePainter painter_{*this};
    SceneShop shop_{*this};
    SceneTalk talk_{*this};
};
