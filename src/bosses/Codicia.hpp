#pragma once

#include "bosses/Jefe.hpp"

// Greed, the first boss: a runner. It dashes across its long arena faster and faster, collapses
// tired at the far side and throws pearls (from phase 1), diamonds (from phase 2) and coins
// (phase 3) at the player while the player keeps away. Once the shown area has come close it
// stays exposed, the only time shots hurt it; below two thirds and one third of its health it
// gets up and dashes back the other way.
class Codicia : public Jefe {
public:
    enum class State { Running, Tired, Exposed };

    static constexpr double kStartX = 8.0;
    static constexpr double kStartY = 4.4;
    static constexpr double kStandingSize = 4.5;
    static constexpr double kTiredHeight = 3.5;
    static constexpr int kHealth = 30;
    static constexpr int kScore = 1000;
    static constexpr int kCoins = 15;
    static constexpr double kStartSpeed = 0.02;
    static constexpr double kSpeedGain = 0.001;  // every running frame
    // It collapses this far from the arena's end it ran to.
    static constexpr double kRestGap = 3.0;
    // Lying tired, it stays exposed once the shown area's centre is closer than this.
    static constexpr double kExposeDistance = 12.0;

    Codicia();

    void update(Prota& prota, World& world, double camX, double viewWidth) override;
    bool hitByShot(std::shared_ptr<Disparo> shot) override;

    State substate = State::Running;
    int pearlTimer = 0;
    int diamondTimer = 0;
    int coinTimer = 0;
    int pearlBase = 80;
    int diamondBase = 100;
    int coinBase = 150;

private:
    const char* fightMusic() const override;
    void onFightStarts() override;
    void runStep(const World& world, double left, double shown);
    void tiredStep(World& world, double left, double shown);
    void exposedStep(World& world);
    void collapse();
    void getUp(World& world);
    void throwPearl(World& world, double spawnX, int dir);
    void throwDiamond(World& world, double spawnX, int dir);
    void throwCoins(World& world, double spawnX, int dir);
    // Next reload: base plus a share of a draw below 100 per phase.
    int reload(int base, double share) const;
};
