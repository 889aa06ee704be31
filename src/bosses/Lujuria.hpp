#pragma once

#include <array>
#include <memory>

#include "bosses/Jefe.hpp"
#include "scene/WorldRect.hpp"

class Apagon;
class Foco;
class Lampy;

// Lust, the second boss: a melee fighter on a stage. She walks up to the player and smacks
// (once or twice), blows kisses that send hearts, struts about and pauses, choosing at random
// with weights that depend on how far the player is. Her lamp hangs above her and her spotlight
// shines on her: while the lamp is whole she cannot be hurt. Below half health the stage goes
// dark but for a circle around the player (the blackout), which she owns until she falls.
class Lujuria : public Jefe {
public:
    enum class State { Smack, DoubleSmack, KissWavy, KissAimed, Strut, Pause };

    static constexpr double kStartX = 8.0;
    static constexpr double kStartY = 4.4;
    static constexpr double kWidth = 3.0;
    static constexpr double kSmackWidth = 6.0;
    static constexpr double kHeight = 4.5;
    static constexpr int kHealth = 80;
    static constexpr int kScore = 3000;
    static constexpr int kCoins = 8;
    static constexpr double kStartSpeed = 0.025;
    static constexpr double kWalkSpeed = 0.05;
    // A smack starts once the player is this close; before that she walks up.
    static constexpr double kSmackReach = 3.0;
    static constexpr double kNear = 6.0;
    static constexpr double kFar = 9.0;
    // A strut stops this close to a wall.
    static constexpr double kWallGap = 1.0;
    static constexpr double kStrutRoom = 8.0;

    Lujuria();
    ~Lujuria() override;

    void update(Prota& prota, World& world, double camX, double viewWidth) override;
    bool hitByShot(std::shared_ptr<Disparo> shot) override;
    bool isDead() override;
    void onDefeated(World& world) override;
    void renderOverlay(SDL_Renderer* renderer, const SDL_Rect& band) override;
    void updateOverlayDstRect(double scale, double camX, double camY) override;

    // Where the lamp and the spotlight hang: over her body, which a left-facing smack leaves
    // 3.0 to the right of her x.
    double bodyX() const;

    int smackTicks = 99;
    int kissTicks = 99;
    int strutTicks = 199;
    int pauseTicks = 49;
    int step = 0;
    std::array<int, 6> weights{};
    int roll = 0;
    State action = State::Pause;
    bool actionRunning = false;
    bool walkAnimSet = false;
    bool companionsSpawned = false;
    bool justPaused = false;
    bool lampBroken = false;
    bool wide = false;
    std::shared_ptr<Apagon> blackout;

private:
    const char* fightMusic() const override;
    void spawnCompanions(World& world);
    void choose(double d);
    void runAction(double d, const WorldRect& player, World& world);
    void approach(double d, const World& world);
    void smackStep(double d, const World& world);
    void doubleSmackStep(double d, const WorldRect& player, const World& world);
    void kissStep(double d, const WorldRect& player, World& world, bool wavy);
    void strutStep(double d, const WorldRect& player, const World& world);
    void pauseStep();
    void endSmack();
    void swing(double narrowBy, bool shiftWhenFlipped);
    void finish();
    // Walking never takes her off the stage, where no shot could reach her.
    void keepOnStage(const World& world);
    double distanceTo(const WorldRect& player) const;

    std::weak_ptr<Lampy> lamp_;
    std::weak_ptr<Foco> spotlight_;
    bool blackoutHandedOver_ = false;
};
