#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "scene/WorldRect.hpp"

// A scripted player for the boss fights that knows only what the screen shows: where the
// sprites are and how big (the boss, what it throws, its lamp), the hearts in the HUD and how
// dark the stage is. It follows things with its eyes from frame to frame, remembers where the
// boss was when it can no longer see it, and keeps its own count of its dash as a player
// would. Each frame it answers as a person would: keep a distance, line up, aim at the target
// and hold the trigger, jump or dash through what comes at it.
// It only decides; the caller feeds the answer to the game (keys, pointer, button).
class FightPilot {
public:
    enum class Arena { Greed, Lust, Valdro };

    // One sprite on screen; id follows the same sprite from frame to frame.
    struct Sprite {
        const void* id = nullptr;
        WorldRect box;
    };
    // What the screen shows this frame (in world units).
    struct View {
        WorldRect me;    // the player's sprite
        int hearts = 0;  // full hearts in the HUD
        bool bossSeen = false;
        WorldRect boss;
        std::vector<Sprite> things;  // everything else drawn and not lost in the dark
        double arenaLeft = 0.0;
        double arenaRight = 0.0;
        double shownLeft = 0.0;  // the band the camera shows
        double shownRight = 0.0;
    };
    struct Decision {
        std::uint8_t keys = 0;  // Prota key bits
        double aimX = 0.0;      // world point under the crosshair
        double aimY = 0.0;
        bool fire = false;
    };

    explicit FightPilot(Arena arena);

    Decision decide(const View& view);

    int dashes = 0;
    int jumps = 0;

private:
    struct Seen {
        WorldRect box;
        double vx = 0.0;
        double vy = 0.0;
    };
    // Where the thing will be `frames` frames from now if it keeps going.
    static WorldRect ahead(const Seen& s, double frames);
    // Frames until it touches the player if both keep going; more than the look-ahead if never.
    static int contactIn(const Seen& s, const WorldRect& me);
    // The nearest player centre, from `from`, with nothing falling above it (the boss, last in
    // the list when lastIsBoss, does not count).
    static double clearColumn(const std::vector<Seen>& hazards, bool lastIsBoss, double from,
                              double low, double high, double preferred);
    // The boss as last seen, moved on when it has left the shown band.
    void rememberBoss(const View& view);
    // Where shots hurt the boss, judged from its picture.
    WorldRect bossBody() const;
    void watchMyself(const WorldRect& me, int hearts);

    Arena arena_;
    double standOff_;
    bool dashThroughBoss_;
    std::map<const void*, Seen> lastSeen_;
    bool bossKnown_ = false;
    Seen boss_{};
    WorldRect bossNarrow_{};  // Lust as last seen before she widened for a smack
    // The player's own state, as it sees and counts it.
    bool haveLastMe_ = false;
    WorldRect lastMe_{};
    bool grounded_ = false;
    bool dashing_ = false;
    int sinceDash_ = 1000;  // frames since the last dash ended
    bool dashHeld_ = false;
    bool dashRight_ = false;
    int lastHearts_ = -1;
    int untouchable_ = 0;  // frames of the blink after a hit still to come
    int framesWide_ = 0;   // frames Lust has been seen winding up or swinging a smack
    bool haveLastBossBox_ = false;
    WorldRect lastBossBox_{};
};
