#pragma once

#include <array>

#include "bosses/Jefe.hpp"
#include "scene/WorldRect.hpp"

// Valdro, the final boss: a caster that keeps to one side of its arena and picks one of ten
// actions at a time by weighted chance. The weights depend on how far the player is and on what
// has worked: an action during which the player lost health grows likelier, one that did not
// fades. Three forms: below three quarters and one half of its health it vanishes and comes back
// in the next, the last one hovering at the top of the arena raining skulls.
class Valdro : public Jefe {
public:
    enum class State {
        MeleeHit = 0,
        Wave = 1,
        RushingWave = 2,
        SkullArc = 3,
        SkullDrop = 4,
        Vanish = 5,
        Rest = 6,
        WeavingSkulls = 7,
        SkullWalls = 8,
        FireRain = 9,
    };
    static constexpr int kActionCount = 10;

    struct ActionRecord {
        bool hurtPlayer = false;
        double baseWeight = 0.0;
        double learnedWeight = 0.0;
    };

    static constexpr double kStartX = 9.0;
    static constexpr double kStartY = 3.9;
    static constexpr double kWidth = 7.0;
    static constexpr double kHeight = 5.0;
    static constexpr int kHealth = 180;
    static constexpr int kScore = 10000;
    // Its middle is what shots hit; the arms on either side are only drawn.
    static constexpr double kArmWidth = 2.0;
    static constexpr double kFloorY = 9.0;
    static constexpr double kSinkSpeed = 0.1;
    static constexpr double kStepSpeed = 0.08;

    Valdro();

    void update(Prota& prota, World& world, double camX, double viewWidth) override;
    bool hitByShot(std::shared_ptr<Disparo> shot) override;
    void updateHitboxes() override;

    double centre() const { return x + w / 2.0; }
    // The action's record in the table.
    ActionRecord& record(State a) { return actions[static_cast<std::size_t>(a)]; }

    std::array<ActionRecord, kActionCount> actions;
    int step = 0;
    int roll = 0;
    State action = State::MeleeHit;  // the current or last action
    int volleyCount = 1;
    int lastPlayerHp = 0;
    double vy = 0.0;
    bool actionRunning = false;
    bool side = false;  // false: keeps to the right and walks left to attack
    bool phaseChanged = false;
    bool walkAnimSet = false;

private:
    const char* fightMusic() const override;
    void choose(const WorldRect& player, int playerHp);
    void setBaseWeights(double distance);
    void learn(int playerHp);
    void runAction(const WorldRect& player, World& world);
    void meleeStep(const WorldRect& player, const World& world);
    void waveStep(World& world, bool rushing);
    void skullStep(World& world, int pattern);
    void vanishStep(const World& world);
    void restStep();
    void weavingStep(World& world);
    void wallStep(const WorldRect& player, World& world);
    void fireRainStep(World& world);
    void reappear(const World& world);
    void finish();
    void fall();
    int towardsPlayerSide() const { return side ? 1 : -1; }
};
