#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "scene/WorldRect.hpp"

class Escena;
class Jefe;
class Enemigo;

// A simple scripted player for boss fights. Each frame it looks at what the screen shows (where
// the boss is and what it is doing, the lamp, every projectile and minion and how they moved
// since the last frame) and answers as a person would: keep a distance, line up, aim at the
// target and hold the trigger, jump or dash through what comes at it.
// It only decides; the caller feeds the answer to the game (keys, pointer, button).
class FightPilot {
public:
    struct Decision {
        std::uint8_t keys = 0;  // Prota key bits
        double aimX = 0.0;      // world point under the crosshair
        double aimY = 0.0;
        bool fire = false;
    };

    // standOff: the gap kept between the player and the boss's contact box. dashThroughBoss:
    // cornered, the player dashes through the boss (it has learnt that this boss is narrow
    // enough); otherwise only when the dash plainly carries it through.
    FightPilot(double standOff, bool dashThroughBoss)
        : standOff_(standOff), dashThroughBoss_(dashThroughBoss) {}

    Decision decide(const Escena& scene, const Jefe& boss);

    int dashes = 0;
    int jumps = 0;

private:
    struct Seen {
        WorldRect box;
        double vx = 0.0;
        double vy = 0.0;
        double ax = 0.0;
        double ay = 0.0;
    };
    // Where the thing will be `frames` frames from now if it keeps going.
    static WorldRect ahead(const Seen& s, double frames);
    // Frames until it touches the player if both keep going; more than the look-ahead if never.
    static int contactIn(const Seen& s, const WorldRect& me);
    // The nearest player centre, from `from`, with nothing falling above it (the boss, last in
    // the list when lastIsBoss, does not count).
    static double clearColumn(const std::vector<Seen>& hazards, bool lastIsBoss, double from,
                              double low, double high, double preferred);

    std::map<const Enemigo*, Seen> lastSeen_;
    WorldRect lastBoss_{};
    bool haveLastBoss_ = false;
    bool dashHeld_ = false;
    bool dashRight_ = false;
    double standOff_;
    bool dashThroughBoss_;
};
