#pragma once

#include <SDL_rect.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/Screen.hpp"
#include "render/Renderizable.hpp"
#include "scene/FinalWords.hpp"
#include "scene/RoomPhysics.hpp"
#include "scene/SceneData.hpp"
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
// run starts and refills the same object for every following scene (loadScene).
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
    void handleEvent(const SDL_Event& event, double scale, double camX, double camY) override;
    int update(double scale, double& camX, double camY, double viewWidth,
               double scrollMargin) override;
    void render(SDL_Renderer* renderer) override;
    void updateDstRect(double scale, double camX, double camY) override;
    void requestPause() override { pauseRequested = true; }
    // The pad: moves, ducks, jumps, interacts, pauses, dashes, shoots and aims like the keys
    // and the mouse.
    void handlePad(const PadInput& input) override;

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
    void scrollCamera(double viewWidth, double scrollMargin, double& camX);

    // The HUD line above the band: score (left third), high score (middle), play time (right).
    void drawHighScore(SDL_Renderer* renderer, int best) const;
    void drawScore(SDL_Renderer* renderer) const;
    void drawTime(SDL_Renderer* renderer, std::int64_t seconds) const;

    // Some character (the tutorial guide included when includeGuide) is showing a line.
    bool talking(bool includeGuide = true) const;
    // No enemy left and, in an arena, the boss down.
    bool cleared() const;
    // The player stands beyond the exit line.
    bool atExit() const;
    // Every character but the tutorial guide has said all it has to say.
    bool conversationsFinished() const;
    // A heart falls from where the enemy was, onto the floor or a case standing on it.
    void dropHeart(const Enemigo& enemy);
    // Resizes both HUD heart strips after health changed.
    void resizeHearts();

    // Texts of the HUD, as drawn.
    static std::string scoreText(int score);
    static std::string highScoreText(int best);
    static std::string coinText(int coins);
    static std::string timeText(std::int64_t seconds);
    static std::string extraHeartsText(int hp);

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
    void buildContents(const SceneData& data, int enemyLevel);
    void buildShop();
    void enterBossArena(int bossKind);
    void leaveBossArena();
    void placeBackground(const SceneData& data);
    // The crosshair at the mouse pointer, or where the pad aims.
    void placeCrosshair(int mouseX, int mouseY, double scale, double camX, double camY);

    void updateEnemies();
    void updateBoss(double camX, double viewWidth);
    void updateEnemyShots(double scale, double camX, double camY);
    void updatePlayerShots(double scale, double camX, double camY);
    void placePrompt(double scale, double camX, double camY);
    void updateFallingItems();
    void applyScroll(double s, double& camX);
    void playerHit();

    void interact();
    void interactWhileTalking();
    void handOver(NPC& n, bool& protaAdvanced);
    void tutorialHeart(NPC& bellboy);
    bool mayTake(const Objeto& item) const;
    void takeItem(std::size_t index);

    void drawPrompts(SDL_Renderer* renderer);
    void drawHearts(SDL_Renderer* renderer);
    void drawPriceLabel(SDL_Renderer* renderer, const Objeto& item);

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
};

// Cuts r's pixel rectangle to clip and its source rectangle in proportion. Returns what to put
// back afterwards with restoreClip, so nothing stays cropped once r leaves the edge.
struct ClipBackup {
    bool hadSrc = false;
    SDL_Rect src{};
    SDL_Rect dst{};
};
ClipBackup clipToRect(Renderizable& r, const SDL_Rect& clip);
void restoreClip(Renderizable& r, const ClipBackup& backup);
