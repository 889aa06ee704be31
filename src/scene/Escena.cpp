#include "scene/Escena.hpp"

#include <SDL_events.h>
#include <SDL_render.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
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
#include "input/PadInput.hpp"
#include "npc/Items.hpp"
#include "npc/NPC.hpp"
#include "npc/Objeto.hpp"
#include "render/Audio.hpp"
#include "render/Background.hpp"
#include "render/CoreTextures.hpp"
#include "render/EnemyTextures.hpp"
#include "render/Fonts.hpp"
#include "render/LineCache.hpp"
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
constexpr double kPromptLift = 0.75;       // above an item or a character
constexpr double kExitPromptHeight = 3.5;  // above the floor line at the exit
constexpr WorldRect kTutorialGuide{7.0, 6.5, 2.0, 2.4};
constexpr WorldRect kTutorialHeartContainer{2.2, 6.5, 1.5, 1.5};
constexpr double kTutorialHeartRest = 7.4;
constexpr double kHeartDropSize = 0.75;
constexpr double kHeartFallAccel = 0.001;
// Furniture this close to the floor catches a falling heart.
constexpr double kStandsOnFloor = 2.0;
// The tutorial bellboy's conversations: the farewell (jumped to from the second talk on), and
// the reminder he repeats when the player tries to leave early.
constexpr int kTutorialFarewellJump = 3;
constexpr int kTutorialReminderJump = 2;
constexpr int kMaxScore = 99999;
constexpr int kMaxCoins = 99;
constexpr SDL_Color kWhite{255, 255, 255, 255};

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

double randomUnit() {
    return static_cast<double>(std::rand()) / static_cast<double>(RAND_MAX);
}

// Draws white text stretched over a pixel rectangle; nothing without a font or a renderer.
void drawText(SDL_Renderer* renderer, const std::string& text, const SDL_Rect& where) {
    TTF_Font* font = fonts::interfaceFont();
    if (renderer == nullptr || font == nullptr || text.empty() || where.w <= 0 || where.h <= 0) {
        return;
    }
    SDL_Texture* texture = line_cache::texture(renderer, font, text, kWhite);
    if (texture != nullptr) {
        SDL_RenderCopy(renderer, texture, nullptr, &where);
    }
}

int fontHeight() {
    TTF_Font* font = fonts::interfaceFont();
    return font != nullptr ? TTF_FontHeight(font) : 0;
}

// The band: the background's pixel rectangle, or nothing before it has one.
SDL_Rect bandOf(const Renderizable& r) {
    return r.dstRect != nullptr ? *r.dstRect : SDL_Rect{0, 0, 0, 0};
}

std::string format(const char* pattern, long long value) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, pattern, value);
    return buffer;
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

    prompt = std::make_shared<Renderizable>(sceneImages().prompt, w - kExitDepth - 0.5,
                                            h - kExitPromptHeight, kPromptSize, kPromptSize);
    prompt->setSrcRect(kPromptSource);
    prompt->ensureDstRect();

    if (data.shop) {
        buildShop();
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

void Escena::buildShop() {
    // Three different upgrades; the heart container is not sold on Impossible.
    const int kinds = difficulty == 3 ? 4 : 5;
    std::vector<int> taken;
    while (static_cast<int>(taken.size()) < 3) {
        const int kind = std::rand() % kinds;
        if (std::find(taken.begin(), taken.end(), kind) != taken.end()) {
            continue;
        }
        auto item = std::make_shared<Objeto>(items::kShopSlots[taken.size()], kFloorY, 0.0, kind);
        item->clearSrcRect();  // shop items show their whole picture
        items.push_back(item);
        taken.push_back(kind);
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
        buildShop();
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

std::string Escena::scoreText(int score) {
    return format("Score: %05lld", std::clamp(score, 0, kMaxScore));
}

std::string Escena::highScoreText(int best) {
    return format("  HighScore: %05lld  ", std::max(best, 0));
}

std::string Escena::coinText(int coins) {
    return format("x%02lld", std::max(coins, 0));
}

std::string Escena::timeText(std::int64_t seconds) {
    constexpr std::int64_t kMaxShown = 99 * 3600 + 59 * 60 + 59;
    const std::int64_t t = std::clamp<std::int64_t>(seconds, 0, kMaxShown);
    char buffer[32];  // "99:59:59" needs 9; room for what the compiler cannot rule out
    std::snprintf(buffer, sizeof buffer, "%02lld:%02lld:%02lld", static_cast<long long>(t / 3600),
                  static_cast<long long>(t / 60 % 60), static_cast<long long>(t % 60));
    return buffer;
}

std::string Escena::extraHeartsText(int hp) {
    return hp > kMaxHeartsShown ? format("+%02lld", hp - kMaxHeartsShown) : std::string();
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
    placeCrosshair(mouseX, mouseY, scale, camX, camY);

    bool talkingNow = talking();
    if (!talkingNow) {
        prota->update(*this, crosshair->x + crosshair->w / 2.0, crosshair->y + crosshair->h / 2.0);
        scrollCamera(viewWidth, scrollMargin, camX);
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
        placeCrosshair(mouseX, mouseY, scale, camX, camY);
    }
    hearts->updateDstRect(scale, camX, camY);
    emptyHearts->updateDstRect(scale, camX, camY);
    for (auto& p : platforms) {
        p->updateDstRect(scale, camX, camY);
    }
    reticle->x = prota->x + prota->w / 2.0;
    reticle->y = prota->y + kReticleDrop;
    reticle->updateDstRect(scale, camX, camY);

    updateEnemies();
    updateBoss(camX, viewWidth);
    updateEnemyShots(scale, camX, camY);
    updatePlayerShots(scale, camX, camY);
    placePrompt(scale, camX, camY);
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

void Escena::placeCrosshair(int mouseX, int mouseY, double scale, double camX, double camY) {
    if (padAiming) {
        crosshair->x = prota->x + prota->w / 2.0 + kPadAimDistance * padAimX - crosshair->w / 2.0;
        crosshair->y = prota->y + prota->h / 2.0 + kPadAimDistance * padAimY - crosshair->h / 2.0;
    } else {
        crosshair->x = mouseX / scale + camX - crosshair->w / 2.0;
        crosshair->y = mouseY / scale + camY - crosshair->h / 2.0;
    }
    crosshair->updateDstRect(scale, camX, camY);
}

void Escena::scrollCamera(double viewWidth, double margin, double& camX) {
    const double left = camX + (viewWidth - wShown) / 2.0;
    const double right = left + wShown;
    const double px = prota->x;
    const double pw = prota->w;
    const double vx = prota->vx;
    if (vx > 0.0) {
        const double front = px + pw + margin;
        if (front + vx >= right) {
            applyScroll(std::max(0.0, std::min(front - right, w - right)), camX);
        }
        if (px + pw + vx > right) {
            // The band has reached the scene's right end: the player stops at its edge.
            prota->moveTo(right - pw, prota->y);
            camX = (w - wShown) - (viewWidth - wShown) / 2.0;
            scrolled_ = w - wShown;
        }
    } else if (vx < 0.0) {
        const double back = px - margin;
        if (back + vx < left) {
            applyScroll(-std::max(0.0, left - std::max(back, 0.0)), camX);
        }
        if (px + vx < left) {
            prota->moveTo(left, prota->y);
            camX = (wShown - viewWidth) / 2.0;
            scrolled_ = 0.0;
            backgroundScroll = 0.0;
            if (srcRect != nullptr) {
                srcRect->x = 0;
            }
        }
    }
}

void Escena::applyScroll(double s, double& camX) {
    if (s == 0.0) {
        return;
    }
    if (srcRect != nullptr && h > 0.0) {
        backgroundScroll += s * srcRect->h / h;
        srcRect->x = static_cast<int>(backgroundScroll);
    }
    hearts->x += s;
    emptyHearts->x += s;
    camX += s;
    scrolled_ += s;
    crosshair->x += s;
}

void Escena::playerHit() {
    prota->score = static_cast<int>(prota->score * 0.95);
    resizeHearts();
    audio::playSound("damageTaken");
}

void Escena::updateEnemies() {
    for (std::size_t i = 0; i < enemies.size();) {
        // Hold a reference: an enemy's update may add to the list.
        const std::shared_ptr<Enemigo> enemy = enemies[i];
        enemy->updateDstRect(scale_, camX_, camY_);
        if (!enemy->dying) {
            const WorldRect player{prota->x, prota->y, prota->w, prota->h};
            if (!enemy->awake) {
                enemy->awake = enemy->seesPlayer(player);
            } else {
                enemy->update(player, *this);
            }
        }
        if (prota->hitByRect(enemy->box2)) {
            playerHit();
        }
        if (enemy->isDead()) {
            prota->addScore(enemy->score);
            prota->addCoins(enemy->coinValue);
            if (boss == nullptr && randomUnit() <= kHeartDropChance) {
                dropHeart(*enemy);
            }
            enemies.erase(enemies.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
        }
    }
}

void Escena::dropHeart(const Enemigo& enemy) {
    const double cx = enemy.x + enemy.w / 2.0;
    const double cy = enemy.y + enemy.h / 2.0;
    double restY = kFloorY;
    double accel = kHeartFallAccel;
    for (const auto& o : obstacles) {
        const bool below = o->x <= cx && cx < o->x + o->w;
        const bool onFloor = kFloorY - o->y - o->h < kStandsOnFloor;
        if (below && o->y < restY && onFloor) {
            restY = o->y;
            // A heart dropped inside the case floats up onto its top.
            accel = cy > o->y ? -kHeartFallAccel : kHeartFallAccel;
        }
    }
    auto heart = std::make_shared<Objeto>(WorldRect{cx, cy, kHeartDropSize, kHeartDropSize}, restY,
                                          accel, Objeto::kHeart);
    heart->falling = true;
    items.push_back(heart);
    audio::playSound("heartFall");
}

void Escena::updateBoss(double camX, double viewWidth) {
    if (!boss) {
        return;
    }
    boss->updateDstRect(scale_, camX_, camY_);
    boss->updateOverlayDstRect(scale_, camX_, camY_);
    boss->update(*prota, *this, camX, viewWidth);
    if (prota->hitByRect(boss->box2)) {
        resizeHearts();
        audio::playSound("damageTaken");
    }
    if (boss->isDead()) {
        prota->addScore(boss->score);
        prota->addCoins(boss->coinValue);
        prota->hp = prota->maxHp;
        resizeHearts();
        enemies.clear();
        enemyShots.clear();
        boss->onDefeated(*this);
        // The story ends here; an endless run only goes round again.
        if (bossKind_ == Jefe::kValdro && !infinite && !npcs.empty()) {
            finalWords_.begin(*npcs.front());
        }
    }
    if (boss->hp < 1 && !npcs.empty()) {
        // The fallen boss has something left to say, where it lies.
        npcs.front()->x = boss->x;
        npcs.front()->y = boss->y;
        npcs.front()->w = boss->w;
        npcs.front()->h = boss->h;
    }
}

void Escena::updateEnemyShots(double scale, double camX, double camY) {
    for (std::size_t i = 0; i < enemyShots.size();) {
        const std::shared_ptr<Disparo> shot = enemyShots[i];
        if (shot->step(scale, camX, camY)) {
            enemyShots.erase(enemyShots.begin() + static_cast<std::ptrdiff_t>(i));
        } else if (prota->hitByShot(shot)) {
            enemyShots.erase(enemyShots.begin() + static_cast<std::ptrdiff_t>(i));
            playerHit();
        } else {
            ++i;
        }
    }
}

void Escena::updatePlayerShots(double scale, double camX, double camY) {
    for (std::size_t i = 0; i < playerShots.size();) {
        const std::shared_ptr<Disparo> shot = playerShots[i];
        bool gone = shot->step(scale, camX, camY);
        if (!gone) {
            for (const auto& enemy : enemies) {
                if (enemy->hitByShot(shot)) {
                    if (const char* sound = enemy->hitSoundKey()) {
                        audio::playSound(sound);
                    }
                    gone = true;
                    break;
                }
            }
            // The boss is offered the shot too, even when a minion took it.
            if (boss && boss->hitByShot(shot)) {
                gone = true;
            }
        }
        if (gone) {
            playerShots.erase(playerShots.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
        }
    }
}

void Escena::placePrompt(double scale, double camX, double camY) {
    if (atExit() && enemies.empty()) {
        prompt->x = w - kExitDepth - 0.5;
        prompt->y = h - kExitPromptHeight;
    } else {
        for (const auto& item : items) {
            if (overlapsPlayer(*item)) {
                prompt->x = item->x - prompt->w / 2.0;
                prompt->y = item->y - kPromptLift;
            }
        }
        for (const auto& n : npcs) {
            if (overlapsPlayer(*n)) {
                prompt->x = n->x + n->w / 2.0;
                prompt->y = n->y - kPromptLift;
            }
        }
    }
    prompt->updateDstRect(scale, camX, camY);
}

void Escena::updateFallingItems() {
    for (auto& item : items) {
        if (item->falling) {
            item->fall();
        }
    }
}

// ---- Input ------------------------------------------------------------------------------

void Escena::handleEvent(const SDL_Event& event, double scale, double camX, double camY) {
    scale_ = scale;
    camX_ = camX;
    camY_ = camY;
    const KeySet& keys = globals().activeKeys;
    const bool someoneTalking = talking(false);

    switch (event.type) {
        case SDL_KEYDOWN: {
            const int key = event.key.keysym.sym;
            // Movement keys are taken only when nobody at all is talking; a press made during
            // a conversation is lost.
            if (!talking(true)) {
                if (key == keys.rightKey) {
                    prota->keys |= Prota::kKeyRight;
                } else if (key == keys.leftKey) {
                    prota->keys |= Prota::kKeyLeft;
                } else if (key == keys.upKey) {
                    prota->keys |= Prota::kKeyJump;
                } else if (key == keys.downKey) {
                    prota->keys |= Prota::kKeyDuck;
                }
            }
            // A held key's auto-repeat never races through dialogue or toggles the pause.
            if (event.key.repeat != 0) {
                break;
            }
            if (key == keys.interactKey) {
                if (someoneTalking) {
                    interactWhileTalking();
                } else {
                    interact();
                }
            }
            if (key == keys.pauseKey && !someoneTalking) {
                pauseRequested = true;
            }
            break;
        }
        case SDL_KEYUP: {
            // Releases always count, so nothing stays held after a conversation.
            const int key = event.key.keysym.sym;
            if (key == keys.rightKey) {
                prota->keys &= ~Prota::kKeyRight;
            } else if (key == keys.leftKey) {
                prota->keys &= ~Prota::kKeyLeft;
            } else if (key == keys.downKey) {
                prota->keys &= ~Prota::kKeyDuck;
            } else if (key == keys.upKey) {
                prota->keys &= ~Prota::kKeyJump;
            }
            break;
        }
        case SDL_MOUSEBUTTONDOWN:
            if (someoneTalking) {
                break;
            }
            if (event.button.button == SDL_BUTTON_LEFT && prota->shotCooldown < 1) {
                prota->shoot(*this, crosshair->x + crosshair->w / 2.0,
                             crosshair->y + crosshair->h / 2.0);
                audio::playSound("shootProta");
            } else if (event.button.button == SDL_BUTTON_RIGHT) {
                prota->keys |= Prota::kKeyDash;
            }
            break;
        case SDL_MOUSEBUTTONUP:
            if (event.button.button == SDL_BUTTON_RIGHT) {
                prota->keys &= ~Prota::kKeyDash;
            }
            break;
        default:
            break;
    }
}

void Escena::handlePad(const PadInput& input) {
    if (input.control == PadControl::Aim) {
        padAiming = true;
        padAimX = input.aimX;
        padAimY = input.aimY;
        return;
    }
    std::uint8_t bit = 0;
    switch (input.control) {
        case PadControl::Left:
            bit = Prota::kKeyLeft;
            break;
        case PadControl::Right:
            bit = Prota::kKeyRight;
            break;
        case PadControl::Down:
            bit = Prota::kKeyDuck;
            break;
        case PadControl::Confirm:
            bit = Prota::kKeyJump;
            break;
        case PadControl::Dash:
            bit = Prota::kKeyDash;
            break;
        case PadControl::Fire:
            bit = Prota::kKeyFire;
            break;
        default:
            break;
    }
    if (!input.pressed) {
        // Releases always count, so nothing stays held after a conversation.
        prota->keys &= static_cast<std::uint8_t>(~bit);
        return;
    }
    const bool someoneTalking = talking(false);
    if (bit == Prota::kKeyDash || bit == Prota::kKeyFire) {
        // Like the mouse buttons: no fighting while a character speaks.
        if (!someoneTalking) {
            prota->keys |= bit;
        }
    } else if (bit != 0) {
        // Like the movement keys: lost while anybody at all is talking.
        if (!talking(true)) {
            prota->keys |= bit;
        }
    } else if (input.control == PadControl::Interact) {
        if (someoneTalking) {
            interactWhileTalking();
        } else {
            interact();
        }
    } else if (input.control == PadControl::Start && !someoneTalking) {
        pauseRequested = true;
    }
}

void Escena::interact() {
    // a. Leaving: allowed once everyone has had their say, or in a scene already passed in an
    // earlier run. The update keeps the request only at the exit.
    if (conversationsFinished() || levelNumber < globals().maxLevel) {
        exitRequested = true;
    }
    // b. The first item underfoot that may be taken.
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (overlapsPlayer(*items[i]) && mayTake(*items[i])) {
            takeItem(i);
            break;
        }
        if (freeItem && overlapsPlayer(*items[i])) {
            // The gift is not his to give yet: say so rather than ignore the press.
            audio::playSound("nonono");
            break;
        }
    }
    // c. Characters. Only one starts talking per press.
    for (const auto& n : npcs) {
        if (overlapsPlayer(*n)) {
            if (isTutorial && n->conversationIndex > 0 && !n->finished()) {
                n->jumpTo(kTutorialFarewellJump);
            }
            n->advance();
            if (!n->finished()) {
                audio::playSound("interactProta");
            }
        } else if (isTutorial && atExit() && n->kind == NPC::kBotones && !n->finished()) {
            // The bellboy repeats his reminder when the player tries to leave too early.
            if (n->conversationIndex > kTutorialReminderJump) {
                n->jumpTo(kTutorialReminderJump);
            }
            if (n->conversationIndex > 0) {
                n->advance();
            }
        }
        if (n->talking) {
            break;
        }
    }
}

void Escena::interactWhileTalking() {
    bool protaAdvancedByHandOver = false;
    for (std::size_t i = 0; i < npcs.size(); ++i) {
        NPC& n = *npcs[i];
        // Only a character that is talking moves on: a press never starts a second box.
        const bool addressed =
            n.talking && (n.passing || overlapsPlayer(n) || (boss && !n.finished()) ||
                          (isTutorial && n.kind == NPC::kBotones));
        if (addressed) {
            n.advance();
            if (!n.finished()) {
                audio::playSound("interactProta");
            }
            handOver(n, protaAdvancedByHandOver);
            if (isTutorial && n.kind == NPC::kBotones && !n.passing) {
                tutorialHeart(n);
            }
        } else if (n.kind == NPC::kProta && n.talking && !protaAdvancedByHandOver) {
            // The hero's thoughts follow the presses wherever the player stands.
            n.advance();
            handOver(n, protaAdvancedByHandOver);
        }
        if (boss && boss->hp > 0 && !npcs.front()->talking && boss->phase == 0) {
            boss->startFight();
        }
    }
}

void Escena::handOver(NPC& n, bool& protaAdvanced) {
    // The bellboy and the hero's thoughts speak in turn; a word in passing is nobody's turn.
    if (n.passing) {
        return;
    }
    if (n.kind == NPC::kBotones && !n.talking && n.conversationIndex == 0) {
        for (const auto& other : npcs) {
            if (other->kind == NPC::kProta) {
                other->advance();
                protaAdvanced = true;
                break;
            }
        }
    } else if (n.kind == NPC::kProta && n.finished()) {
        for (const auto& other : npcs) {
            if (other->kind == NPC::kBotones) {
                if (!other->talking && !other->finished()) {
                    other->advance();
                }
                break;
            }
        }
    }
}

void Escena::tutorialHeart(NPC& bellboy) {
    if (!bellboy.talking && bellboy.conversationIndex == 1) {
        // The bellboy hands over a heart container after his second talk.
        items.push_back(std::make_shared<Objeto>(kTutorialHeartContainer, kTutorialHeartRest, 0.0,
                                                 Objeto::kHeartContainer));
    } else if (bellboy.talking && bellboy.conversationIndex >= 1 && !items.empty()) {
        // Not picked up: he gives it anyway.
        prota->maxHp += 1;
        prota->hp = prota->maxHp;
        resizeHearts();
        items.erase(items.begin());
    }
}

namespace {
// The shopkeeper's free item is his first conversation's gift: it may be taken once that
// conversation has been heard to its end (or when there is no shopkeeper to hear).
bool freeItemOffered(const std::vector<std::shared_ptr<NPC>>& npcs) {
    for (const auto& n : npcs) {
        if (n->kind == NPC::kBolsillos) {
            return n->conversationIndex > 0 || (n->conversationIndex == 0 && !n->talking) ||
                   n->finished();
        }
    }
    return true;
}
}  // namespace

bool Escena::mayTake(const Objeto& item) const {
    if (isTutorial) {
        return true;
    }
    if (!freeItem) {
        return items::price(item.kind) <= prota->coins;
    }
    return freeItemOffered(npcs) || levelNumber <= globals().maxLevel;
}

void Escena::takeItem(std::size_t index) {
    const std::shared_ptr<Objeto> item = items[index];
    items::inventory().recordPurchase(item->kind);
    items::applyEffect(item->kind, *prota);
    resizeHearts();
    if (!freeItem && !isTutorial) {
        prota->coins = std::min(prota->coins - items::price(item->kind), kMaxCoins);
    } else {
        freeItem = false;
    }
    items.erase(items.begin() + static_cast<std::ptrdiff_t>(index));
    audio::playSound("itemBought");
    if (data.shop && data.linesBolsillos >= 0 && item->kind < dialogue::kPurchaseKinds) {
        // The shopkeeper has a word on what was bought, and on how far up the hotel it goes.
        npcs.push_back(NPC::inPassing(
            NPC::kBolsillos, dialogue::kPurchaseEntryBase + data.linesBolsillos, item->kind));
    }
}

// ---- Drawing ----------------------------------------------------------------------------

namespace {
// Cuts one axis of a picture to [clipPos, clipPos + clipLen], its source in proportion.
void cutSpan(int& pos, int& len, int& srcPos, int& srcLen, int clipPos, int clipLen) {
    const int fullLen = len;
    const int fullSrc = srcLen;
    if (pos < clipPos) {
        const int cut = clipPos - pos;
        const int srcCut = cut * fullSrc / fullLen;
        srcPos += srcCut;
        srcLen -= srcCut;
        pos = clipPos;
        len -= cut;
    }
    if (pos + len > clipPos + clipLen) {
        const int cut = pos + len - (clipPos + clipLen);
        srcLen -= cut * fullSrc / fullLen;
        len -= cut;
    }
}
}  // namespace

ClipBackup clipToRect(Renderizable& r, const SDL_Rect& clip) {
    ClipBackup backup;
    if (r.dstRect == nullptr) {
        return backup;
    }
    backup.dst = *r.dstRect;
    SDL_Rect& d = *r.dstRect;
    if (r.srcRect != nullptr) {
        backup.hadSrc = true;
        backup.src = *r.srcRect;
    }
    const bool touches = d.x <= clip.x + clip.w && clip.x <= d.x + d.w && d.y <= clip.y + clip.h &&
                         clip.y <= d.y + d.h;
    if (!touches) {
        d.w = 0;
        d.y = 0;
        return backup;
    }
    if (r.srcRect == nullptr || d.w <= 0 || d.h <= 0) {
        return backup;
    }
    SDL_Rect& s = *r.srcRect;
    cutSpan(d.x, d.w, s.x, s.w, clip.x, clip.w);
    cutSpan(d.y, d.h, s.y, s.h, clip.y, clip.h);
    return backup;
}

void restoreClip(Renderizable& r, const ClipBackup& backup) {
    if (r.dstRect != nullptr) {
        *r.dstRect = backup.dst;
    }
    if (backup.hadSrc && r.srcRect != nullptr) {
        *r.srcRect = backup.src;
    }
}

namespace {
// Draws an animated body cut to the band; its pixel rectangle is whole again afterwards, so a
// frame drawn twice (a screenshot, a paused window) looks the same.
void drawAnimatedInBand(SDL_Renderer* renderer, Animated& a, const SDL_Rect& band) {
    const SDL_Rect whole = a.dstRect != nullptr ? *a.dstRect : SDL_Rect{0, 0, 0, 0};
    a.drawClipped(renderer, band);
    if (a.dstRect != nullptr) {
        *a.dstRect = whole;
    }
}

// Draws r cut to the band and puts its rectangles back afterwards.
void drawInBand(SDL_Renderer* renderer, Renderizable& r, const SDL_Rect& band) {
    const ClipBackup backup = clipToRect(r, band);
    if (r.dstRect != nullptr && r.dstRect->w > 0) {
        r.render(renderer);
    }
    restoreClip(r, backup);
}
}  // namespace

void Escena::render(SDL_Renderer* renderer) {
    const SDL_Rect band = bandOf(*this);
    for (int i = static_cast<int>(treeLayers.size()) - 1; i >= 0; --i) {
        Background& layer = *treeLayers[static_cast<std::size_t>(i)];
        if (layer.dstRect != nullptr && layer.dstRect->x != band.x) {
            layer.dstRect->x = band.x;
        }
        layer.render(renderer);
    }
    if (renderer != nullptr && texture != nullptr) {
        if (!bandPicture_) {
            bandPicture_ = std::make_unique<PrescaledTexture>();
        }
        bandPicture_->draw(renderer, inLanguage(texture, globals().language), srcRect, band);
    }
    const bool talkingNow = talking();
    for (const auto& n : npcs) {
        if ((n->kind == NPC::kBolsillos || n->kind == NPC::kBotones) && !n->passing) {
            drawAnimatedInBand(renderer, *n, band);
            if (talkingNow) {
                n->ticksLeft += 1;  // the shop stands still while someone talks
            }
        }
    }
    for (const auto& p : platforms) {
        drawInBand(renderer, *p, band);
    }
    for (const auto& s : playerShots) {
        drawInBand(renderer, *s, band);
    }
    for (const auto& s : enemyShots) {
        drawInBand(renderer, *s, band);
    }
    for (const auto& e : enemies) {
        drawAnimatedInBand(renderer, *e, band);
    }
    if (boss) {
        drawAnimatedInBand(renderer, *boss, band);
        boss->renderOverlay(renderer, band);
    }
    for (const auto& item : items) {
        drawInBand(renderer, *item, band);
        if (!isTutorial && item->kind != Objeto::kHeart) {
            drawPriceLabel(renderer, *item);
        }
    }
    prota->render(renderer);
    if (talkingNow) {
        prota->ticksLeft += 1;
    }
    for (const auto& n : npcs) {
        n->drawDialogue(renderer);
    }
    if (!talkingNow) {
        drawPrompts(renderer);
        drawHearts(renderer);
        crosshair->render(renderer);
        const double dx = (crosshair->x + crosshair->w / 2.0) - (prota->x + prota->w / 2.0);
        const double dy = (crosshair->y + crosshair->h / 2.0) - (prota->y + prota->h / 2.0);
        const double degrees = std::atan2(dy, dx) * 180.0 / M_PI;
        const SDL_Point centre{0, reticle->dstRect != nullptr ? reticle->dstRect->h / 2 : 0};
        reticle->draw(renderer, degrees, &centre);
    } else {
        drawHearts(renderer);
    }
}

void Escena::drawPriceLabel(SDL_Renderer* renderer, const Objeto& item) {
    if (item.dstRect == nullptr) {
        return;
    }
    const SDL_Rect& d = *item.dstRect;
    const int side = static_cast<int>(d.w * 0.25);
    const SDL_Rect coin{d.x - static_cast<int>(side * -0.5),
                        d.y + d.h - static_cast<int>(side * -0.25), side, side};
    if (renderer != nullptr && sceneImages().coin != nullptr) {
        SDL_RenderCopy(renderer, sceneImages().coin, nullptr, &coin);
    }
    drawText(renderer, format("%02lld", items::price(item.kind)),
             SDL_Rect{coin.x + side, coin.y, static_cast<int>(side * 1.5), side});
}

void Escena::drawHearts(SDL_Renderer* renderer) {
    emptyHearts->render(renderer);
    hearts->render(renderer);
    if (prota->hp > kMaxHeartsShown && hearts->dstRect != nullptr) {
        const SDL_Rect& d = *hearts->dstRect;
        drawText(renderer, extraHeartsText(prota->hp), SDL_Rect{d.x + d.w, d.y, 90, d.h});
    }
}

void Escena::drawPrompts(SDL_Renderer* renderer) {
    if (atExit() && enemies.empty()) {
        if (conversationsFinished() || levelNumber < globals().maxLevel) {
            prompt->render(renderer);
        }
        return;
    }
    for (const auto& item : items) {
        if (!overlapsPlayer(*item)) {
            continue;
        }
        if (item->kind != Objeto::kHeart) {
            if (auto info = items::label(item->kind)) {
                info->x = item->x + 0.75;
                info->y = item->y - 1.2;
                info->ensureDstRect();
                info->updateDstRect(scale_, camX_, camY_);
                info->render(renderer);
            }
        }
        bool show = false;
        if (item->kind == Objeto::kHeart) {
            show = enemies.empty();
        } else if (!freeItem) {
            show = true;
        } else {
            show = mayTake(*item);
        }
        if (show) {
            prompt->render(renderer);
        }
    }
    for (const auto& n : npcs) {
        if (overlapsPlayer(*n) && !n->finished()) {
            prompt->render(renderer);
        }
    }
}

// ---- HUD --------------------------------------------------------------------------------

void Escena::drawScore(SDL_Renderer* renderer) const {
    const SDL_Rect band = bandOf(*this);
    const int fh = fontHeight();
    drawText(renderer, scoreText(prota->score), SDL_Rect{band.x, band.y - fh, band.w / 3, fh});
    const std::string coins = coinText(prota->coins);
    const int width = static_cast<int>(coins.size()) * fh / 2;
    const int x = band.x + band.w - width;
    const int y = band.y + band.h;
    drawText(renderer, coins, SDL_Rect{x, y, width, fh});
    if (renderer != nullptr && sceneImages().coin != nullptr) {
        const SDL_Rect coin{x - fh, y, fh, fh};
        SDL_RenderCopy(renderer, sceneImages().coin, nullptr, &coin);
    }
}

void Escena::drawHighScore(SDL_Renderer* renderer, int best) const {
    const SDL_Rect band = bandOf(*this);
    const int fh = fontHeight();
    const int quarter = static_cast<int>(band.w * 0.25);
    drawText(renderer, highScoreText(best),
             SDL_Rect{band.x + band.w / 3, band.y - fh, band.w - band.w / 3 - quarter, fh});
}

void Escena::drawTime(SDL_Renderer* renderer, std::int64_t seconds) const {
    const SDL_Rect band = bandOf(*this);
    const int fh = fontHeight();
    const int quarter = static_cast<int>(band.w * 0.25);
    drawText(renderer, timeText(seconds),
             SDL_Rect{band.x + band.w - quarter, band.y - fh, quarter, fh});
}
