#pragma once

#include "enemies/Enemigo.hpp"

// A hand that changes between paper, rock and scissors. Every form lasts formInterval frames:
// 50 of transformation, then the rest acting in that form. Paper keeps away from the player;
// rock rises, slams and drops a rock on the player from the top of the level; scissors keeps
// its distance and throws pairs of accelerating scissors. A form change that falls due during
// an attack (busy) waits for the attack to end. Paper never comes first and no form follows
// itself.
class Handy : public Enemigo {
public:
    enum class Form : int { Paper = 0, Rock = 1, Scissors = 2 };

    Handy(double x, double y, double minX, double maxX, int level);

    bool update(WorldRect player, World& world) override;
    const char* hitSoundKey() const override { return "handyHit"; }

    Form form;
    int formInterval = 550;
    int formTimer = 550;
    bool busy = false;
    int rockInterval = 180;
    int rockTimer = 0;
    int scissorInterval = 180;
    int scissorTimer = 0;
    double rockFallSpeed = 0.05;
    double rockGravity = 0.002;
    double rockAimWidth;
    double scissorSpeed = 0.007;
    double scissorAcceleration;
    double minX;
    double maxX;
    double homeY;

private:
    enum class Phase { ChangeForm, ShowForm, Transforming, Acting };

    Phase currentPhase() const;
    void changeForm();
    void actPaper(const WorldRect& player, const World& world);
    void actRock(const WorldRect& player, World& world);
    void actScissors(const WorldRect& player, World& world);
    void dropRock(const WorldRect& player, World& world);
    void throwScissors(const WorldRect& player, World& world);
    void keepDistance(const WorldRect& player);
};
