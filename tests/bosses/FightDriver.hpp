#pragma once

#include <memory>

#include "app/Platform.hpp"
#include "bosses/FightPilot.hpp"
#include "scene/SceneData.hpp"

class Escena;
class Jefe;

// Plays one boss arena frame by frame the way the scene runs it: the player moves, the band
// follows, the player lands, the enemies and the boss act and touch, shots fly and hit, and the
// boss's death is credited once. The pilot plays; nothing sleeps.
// (Kept apart from the pilot so either can be swapped for the shared scripted player.)
class FightDriver {
public:
    // The arena of this slot of the shipped scene file ("greed", "lust", "valdro"), on Normal.
    FightDriver(const char* slot, double standOff, bool dashThroughBoss);
    ~FightDriver();

    // The conversation frames (the boss waits), then the fight starts.
    void talk(int frames);
    void frame();
    // Plays until the boss's death has been credited and its leftovers are gone, or the player
    // has fallen, or the frame limit runs out. Returns the frames played.
    int fight(int frameLimit);

    SceneData data;
    std::unique_ptr<Escena> scene;
    std::shared_ptr<Jefe> boss;
    FightPilot pilot;  // set up in the constructor
    ScriptedPlatform input;
    ScopedPlatform useInput{input};
    double camX = 0.0;
    int deathsReported = 0;
    int hpAfterDeath = -1;
    int maxHpAfterDeath = -1;
    int hitsTaken = 0;
    int frames = 0;
    bool fightStarted = false;

private:
    void landPlayer();
    void enemiesStep();
    void bossStep();
    void playerShotsStep();
};
