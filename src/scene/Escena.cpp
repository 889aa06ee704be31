#include "scene/Escena.hpp"

#include <SDL_events.h>
#include <SDL_render.h>

#include <algorithm>
#include <cstdlib>

#include "actors/Disparo.hpp"
#include "actors/Prota.hpp"
#include "app/GameGlobals.hpp"
#include "app/Platform.hpp"
#include "bosses/BossArena.hpp"
#include "bosses/Jefe.hpp"
#include "enemies/Blanky.hpp"
#include "enemies/Butter.hpp"
#include "enemies/Enemigo.hpp"
#include "enemies/Handy.hpp"
#include "enemies/Peanut.hpp"
#include "enemies/Pikaboo.hpp"
#include "npc/Items.hpp"
#include "npc/NPC.hpp"
#include "npc/Objeto.hpp"
#include "render/Audio.hpp"
#include "render/Background.hpp"
#include "render/CoreTextures.hpp"
#include "render/EnemyTextures.hpp"
#include "render/Paths.hpp"
#include "render/PrescaledTexture.hpp"
#include "render/TextureLoader.hpp"
#include "scene/Obstucalo.hpp"
#include "scene/Plataforma.hpp"
#include "scene/SceneImages.hpp"

namespace {

// The garden seen through the windows: three layers drifting at different speeds.
constexpr int kTreeScrollSpeeds[3] = {2, 1, 0};
constexpr SDL_Rect kTreeView{0, 0, 768, 432};
constexpr int kTreeTextureWidth = 1537;
constexpr int kTreeTextureHeight = 432;
constexpr double kTreeLayerWidth = 16.0;
constexpr double kTreeLayerHeight = 9.0;

constexpr double kCrosshairSize = 1.5;
constexpr double kReticleWidth = 1.5;
constexpr double kReticleHeight = 1.0;
constexpr double kReticleDrop = 0.5;  // below the top of the player's head
constexpr double kHeartsY = 9.1;      // the HUD hearts sit just under the floor
constexpr int kHeartPixels = 50;      // one heart of the HUD strips
constexpr SDL_Rect kPromptSource{0, 0, 163, 162};
constexpr double kPromptSize = 1.0;
constexpr WorldRect kTutorialGuide{7.0, 6.5, 2.0, 2.4};

SceneData emptyRoom(double width, double height) {
    SceneData d;
    d.width = width;
    d.height = height;
    d.wShown = width;
    d.boss = -1;
    d.linesBolsillos = -1;
    d.linesBotones = -1;
    d.protaPosition = WorldRect{1.0, 6.9, 1.0, 2.0};
    return d;
}

bool isQuiet(const SceneData& d) {
    return d.shop || d.linesBotones >= 0;
}

bool hasBoss(const SceneData& d) {
    return d.boss >= Jefe::kGreed && d.boss <= Jefe::kValdro;
}

SDL_Texture* backgroundImage(int index) {
    const auto& table = coreTextures().backgrounds;
    return index >= 0 && index < static_cast<int>(table.size()) ? table[index] : nullptr;
}

SDL_Texture* platformImage(int index) {
    const auto& table = coreTextures().platforms;
    return index >= 0 && index < static_cast<int>(table.size()) ? table[index] : nullptr;
}

}  // namespace

// ---- Construction -----------------------------------------------------------------------

Escena::Escena(SceneData sceneData, bool inf, int diff, bool tutorial)
    : Renderizable(nullptr, 0.0, 0.0, sceneData.width, sceneData.height),
      isTutorial(tutorial),
      infinite(inf),
      difficulty(diff) {
    data = std::move(sceneData);
    quiet = isQuiet(data);
    globals().enemyLevel = difficulty;
    placeBackground(data);
    buildContents(data, 1);

    prota = std::make_shared<Prota>(data.protaPosition, infinite, difficulty);

    crosshair = std::make_shared<Renderizable>(sceneImages().crosshair, 0.0, 0.0, kCrosshairSize,
                                               kCrosshairSize);
    crosshair->ensureDstRect();
    reticle = std::make_shared<Animated>(sceneImages().reticle);
    reticle->addAnimation("idle", 1, 0, 0, 300, 200, 50, true, false);
    reticle->x = prota->x + prota->w / 2.0;
    reticle->y = prota->y + kReticleDrop;
    reticle->w = kReticleWidth;
    reticle->h = kReticleHeight;

    if (!isTutorial) {
        // A revive at a later checkpoint starts with the heart the tutorial would have given.
        levelNumber = globals().checkpointLevel;
        prota->maxHp += 1;
        prota->hp = prota->maxHp;
    }

    hearts = std::make_shared<Renderizable>(sceneImages().hearts, 0.0, kHeartsY, 0.0, kHeartSize);
    emptyHearts =
        std::make_shared<Renderizable>(sceneImages().emptyHearts, 0.0, kHeartsY, 0.0, kHeartSize);
    hearts->ensureDstRect();
    emptyHearts->ensureDstRect();
    resizeHearts();

    prompt =
        std::make_shared<Renderizable>(sceneImages().prompt, w - kExitDepth - 0.5,
                                       h - SceneHud::kExitPromptHeight, kPromptSize, kPromptSize);
    prompt->setSrcRect(kPromptSource);
    prompt->ensureDstRect();

    if (data.shop) {
        shop_.buildShop();
    }
    if (data.linesBolsillos != -1) {
        npcs.push_back(
            std::make_shared<NPC>(data.posBolsillos, NPC::kBolsillos, data.linesBolsillos, 0));
    }
    if (data.linesBotones != -1) {
        npcs.push_back(std::make_shared<NPC>(data.posBotones, NPC::kBotones, data.linesBotones,
                                             data.animationBotones));
        if (data.linesBotones == 3) {
            npcs.push_back(std::make_shared<NPC>(WorldRect{}, NPC::kProta, 0, 0));
        }
    }
    if (isTutorial) {
        npcs.push_back(std::make_shared<NPC>(kTutorialGuide, NPC::kTutorial, -1, -1));
    }

    for (int i = 0; i < 3; ++i) {
        auto layer = std::make_shared<Background>(sceneImages().trees[i], 0.0, 0.0, kTreeLayerWidth,
                                                  kTreeLayerHeight, kTreeView, kTreeScrollSpeeds[i],
                                                  kTreeTextureWidth, kTreeTextureHeight);
        *layer->dstRect = bandOf(*this);
        treeLayers.push_back(layer);
    }

    // A run may begin in an arena (practice from the command line): the boss comes with it.
    if (hasBoss(data)) {
        enterBossArena(data.boss);
        npcs.front()->advance();
    } else {
        audio::playMusic(quiet ? paths::kQuietMusic : paths::kLevelMusic);
    }
}

Escena::Escena(double width, double height) : Escena(emptyRoom(width, height), false, 1, false) {}

Escena::~Escena() = default;

void Escena::placeBackground(const SceneData& d) {
    texture = backgroundImage(d.bg);
    setSrcRect(d.src);
    ensureDstRect();
    *dstRect = d.bgDstRect;
    w = d.width;
    h = d.height;
    wShown = d.wShown;
    backgroundScroll = 0.0;
    scrolled_ = 0.0;
}

void Escena::buildContents(const SceneData& d, int enemyLevel) {
    room_physics::build(d, platformImage, platforms, obstacles);
    for (const WorldRect& p : d.blankyPositions) {
        enemies.push_back(std::make_shared<Blanky>(p.x, p.y, enemyLevel));
    }
    for (const WorldRect& p : d.pikabooPositions) {
        enemies.push_back(std::make_shared<Pikaboo>(p.x, p.y, enemyLevel));
    }
    for (const WorldRect& p : d.peanutPositions) {
        enemies.push_back(std::make_shared<Peanut>(p.x, p.y, enemyLevel));
    }
    for (std::size_t i = 0; i < d.butterPositions.size(); ++i) {
        const WorldRect& p = d.butterPositions[i];
        const PatrolLimits lim =
            i < d.butterLimits.size() ? d.butterLimits[i] : PatrolLimits{p.x, p.x};
        enemies.push_back(std::make_shared<Butter>(p.x, p.y, lim.minX, lim.maxX, enemyLevel));
    }
    for (std::size_t i = 0; i < d.handyPositions.size(); ++i) {
        const WorldRect& p = d.handyPositions[i];
        const PatrolLimits lim =
            i < d.handyLimits.size() ? d.handyLimits[i] : PatrolLimits{p.x, p.x};
        enemies.push_back(std::make_shared<Handy>(p.x, p.y, lim.minX, lim.maxX, enemyLevel));
    }
}

void Escena::enterBossArena(int kind) {
    freeEnemyTextures();
    boss = bosses::enterArena(kind);
    bossKind_ = boss ? kind : -1;
    npcs.push_back(std::make_shared<NPC>(WorldRect{}, NPC::kCodicia + kind, 0, 0));
    audio::playMusic(bosses::talkMusic(kind));
}

void Escena::leaveBossArena() {
    bosses::releaseBossTextures();
    loadEnemyTextures();
    bossKind_ = -1;
    if (globals().enemyLevel > 0) {
        globals().enemyLevel += 1;
    }
}

// ---- Scene change -----------------------------------------------------------------------

void Escena::loadScene(const SceneData& next) {
    hearts->x = 0.0;
    emptyHearts->x = 0.0;
    for (auto& layer : treeLayers) {
        layer->x = 0.0;
    }
    exitRequested = false;
    pauseRequested = false;
    levelNumber += 1;

    if (isTutorial && prota->hp != prota->maxHp) {
        prota->maxHp += 1;
        prota->hp = prota->maxHp;
        resizeHearts();
    }
    isTutorial = false;

    platforms.clear();
    obstacles.clear();
    enemies.clear();
    playerShots.clear();
    enemyShots.clear();
    items.clear();
    npcs.clear();

    finalWords_.reset();
    const bool wasQuiet = quiet;
    const bool hadBoss = boss != nullptr || bossKind_ >= 0;
    boss.reset();
    if (hasBoss(next)) {
        if (hadBoss) {
            bosses::releaseBossTextures();
        }
        enterBossArena(next.boss);
    } else {
        if (hadBoss) {
            leaveBossArena();
        }
        const bool nextQuiet = isQuiet(next);
        if (!nextQuiet && (wasQuiet || hadBoss)) {
            audio::playMusic(paths::kLevelMusic);
        } else if (nextQuiet && !wasQuiet) {
            audio::playMusic(paths::kQuietMusic);
        }
    }
    quiet = isQuiet(next);
    data = next;
    buildContents(next, globals().enemyLevel);
    placeBackground(next);
    prota->resetForScene(next.protaPosition);

    if (next.shop) {
        shop_.buildShop();
    }
    // Shops and dialogue rooms are checkpoints.
    if (next.linesBolsillos != -1) {
        npcs.push_back(
            std::make_shared<NPC>(next.posBolsillos, NPC::kBolsillos, next.linesBolsillos, 0));
        globals().checkpointLevel = levelNumber;
    }
    if (next.linesBotones != -1) {
        npcs.push_back(std::make_shared<NPC>(next.posBotones, NPC::kBotones, next.linesBotones,
                                             next.animationBotones));
        if (next.linesBotones == 3) {
            npcs.push_back(std::make_shared<NPC>(WorldRect{}, NPC::kProta, 0, 0));
        }
        globals().checkpointLevel = levelNumber;
    }
    if (boss) {
        // The boss's character is the first: its conversation starts at once.
        std::stable_partition(npcs.begin(), npcs.end(), [](const auto& n) {
            return n->kind >= NPC::kCodicia && n->kind <= NPC::kValdro;
        });
        npcs.front()->advance();
    }
    // The shopkeeper's first conversation comes with one upgrade on the house.
    freeItem = next.linesBolsillos == 0;
}

void Escena::releaseRunTextures() {
    if (boss != nullptr || bossKind_ >= 0) {
        bosses::releaseBossTextures();
        bossKind_ = -1;
    } else {
        freeEnemyTextures();
    }
}

void Escena::addEnemy(std::shared_ptr<Enemigo> enemy) {
    enemies.push_back(std::move(enemy));
}

void Escena::addEnemyShot(std::shared_ptr<Disparo> shot) {
    enemyShots.push_back(std::move(shot));
}

// ---- Queries ----------------------------------------------------------------------------

bool Escena::talking(bool includeGuide) const {
    return std::any_of(npcs.begin(), npcs.end(), [includeGuide](const auto& n) {
        return n->talking && (includeGuide || n->kind != NPC::kTutorial);
    });
}

bool Escena::cleared() const {
    return enemies.empty() && (boss == nullptr || boss->hp <= 0);
}

bool Escena::atExit() const {
    return prota->x > w - kExitDepth;
}

bool Escena::conversationsFinished() const {
    return std::all_of(npcs.begin(), npcs.end(),
                       [](const auto& n) { return n->kind == NPC::kTutorial || n->finished(); });
}

bool Escena::overlapsPlayer(const Renderizable& r) const {
    return prota->touches(WorldRect{r.x, r.y, r.w, r.h});
}

void Escena::resizeHearts() {
    auto fit = [](Renderizable& strip, int count) {
        const int n = std::clamp(count, 0, kMaxHeartsShown);
        strip.w = n * kHeartSize;
        strip.h = kHeartSize;
        strip.setSrcRect(SDL_Rect{0, 0, n * kHeartPixels, kHeartPixels});
    };
    fit(*hearts, prota->hp);
    fit(*emptyHearts, prota->maxHp);
}

// ---- Window -----------------------------------------------------------------------------

void Escena::updateDstRect(double scale, double camX, double camY) {
    scale_ = scale;
    camX_ = camX;
    camY_ = camY;
    // The band stays put on screen while the camera scrolls: it starts where the camera's left
    // end was when the scene was entered.
    ensureDstRect();
    *dstRect =
        SDL_Rect{static_cast<int>(-(camX - scrolled_) * scale), static_cast<int>(-camY * scale),
                 static_cast<int>(scale * wShown), static_cast<int>(scale * h)};
    for (auto& layer : treeLayers) {
        layer->updateDstRect(scale, camX, camY);
        *layer->dstRect = *dstRect;
    }
    if (boss) {
        boss->updateDstRect(scale, camX, camY);
        boss->updateOverlayDstRect(scale, camX, camY);
    }
    for (auto& p : platforms) {
        p->updateDstRect(scale, camX, camY);
    }
    for (auto& s : playerShots) {
        s->updateDstRect(scale, camX, camY);
    }
    for (auto& s : enemyShots) {
        s->updateDstRect(scale, camX, camY);
    }
    for (auto& e : enemies) {
        e->updateDstRect(scale, camX, camY);
    }
    for (auto& n : npcs) {
        n->updateDstRect(scale, camX, camY);
    }
    for (auto& item : items) {
        item->updateDstRect(scale, camX, camY);
    }
    npcs::updateDialogueRects(scale, camX - scrolled_, camY);
    prompt->updateDstRect(scale, camX, camY);
    prota->updateDstRect(scale, camX, camY);
    hearts->updateDstRect(scale, camX, camY);
    emptyHearts->updateDstRect(scale, camX, camY);
    crosshair->updateDstRect(scale, camX, camY);
}

// ---- Frame update -----------------------------------------------------------------------

int Escena::update(double scale, double& camX, double camY, double viewWidth, double scrollMargin) {
    scale_ = scale;
    camY_ = camY;
    int mouseX = 0;
    int mouseY = 0;
    platform().mousePosition(mouseX, mouseY);
    for (auto& layer : treeLayers) {
        layer->updateDstRect(scale, camX, camY);
        if (dstRect != nullptr) {
            *layer->dstRect = *dstRect;
        }
    }
    if (mouseSeen_ && (mouseX != lastMouseX_ || mouseY != lastMouseY_)) {
        padAiming = false;
    }
    mouseSeen_ = true;
    lastMouseX_ = mouseX;
    lastMouseY_ = mouseY;
    controls_.placeCrosshair(mouseX, mouseY, scale, camX, camY);

    bool talkingNow = talking();
    if (!talkingNow) {
        prota->update(playerShots, crosshair->x + crosshair->w / 2.0, crosshair->y + crosshair->h / 2.0);
        camera_.scrollCamera(viewWidth, scrollMargin, camX);
        room_physics::land(platforms, *prota, w);
        if (prota->vx != 0.0 || prota->vy != 0.0) {
            room_physics::collide(obstacles, *prota, w);
        }
    }
    camX_ = camX;
    if (exitRequested && !(atExit() && (boss == nullptr || boss->hp <= 0))) {
        exitRequested = false;
    }

    talkingNow = talking();
    prota->updateAnimation(talkingNow);
    prota->updateDstRect(scale, camX, camY);
    if (padAiming) {
        // The crosshair goes where the hero went.
        controls_.placeCrosshair(mouseX, mouseY, scale, camX, camY);
    }
    hearts->updateDstRect(scale, camX, camY);
    emptyHearts->updateDstRect(scale, camX, camY);
    for (auto& p : platforms) {
        p->updateDstRect(scale, camX, camY);
    }
    reticle->x = prota->x + prota->w / 2.0;
    reticle->y = prota->y + kReticleDrop;
    reticle->updateDstRect(scale, camX, camY);

    combat_.updateEnemies();
    combat_.updateBoss(camX, viewWidth);
    combat_.updateEnemyShots(scale, camX, camY);
    combat_.updatePlayerShots(scale, camX, camY);
    hud_.placePrompt(scale, camX, camY);
    for (auto& n : npcs) {
        n->updateDstRect(scale, camX, camY);
    }
    npcs::updateDialogueRects(scale, camX - scrolled_, camY);
    updateFallingItems();
    for (auto& item : items) {
        item->updateDstRect(scale, camX, camY);
    }

    if (pauseRequested) {
        return kActionPause;
    }
    // A player who dies on the exit does not walk into the next scene.
    if (prota->hp <= 0 && prota->maxHp != 0) {
        audio::playSound("gameOver");
        return kActionGameOver;
    }
    if (exitRequested && cleared()) {
        return kActionLevelCompleted;
    }
    if (finalWords_.over(npcs, talking())) {
        return kActionLevelCompleted;
    }
    return kActionNone;
}

void Escena::updateFallingItems() {
    for (auto& item : items) {
        if (item->falling) {
            item->fall();
        }
    }
}
