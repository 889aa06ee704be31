#pragma once

#include <SDL_events.h>

#include <deque>
#include <map>
#include <optional>

#include "scene/WorldRect.hpp"

class Escena;
class NPC;
class Objeto;
class Prota;
class ScriptedPlatform;

// Plays a scene through the real Escena the way a person at the keyboard would: it only looks
// at what the scene shows (the player, enemies, shots, items, characters, furniture and the
// exit) and answers with key presses, the mouse position and mouse buttons, one frame at a time
// and in the game's order: this frame's events, then the scene's update.
//
// finish() plays a whole scene: it talks to whoever has something to say, fights (aims and
// shoots at the nearest enemy or boss it can hurt, keeps its distance, dashes or jumps out of
// the way of shots), picks up hearts when hurt, walks and jumps along the route over the
// furniture, and leaves by the exit. The smaller steps (walkTo, talkThrough, take, leave) let a
// test script a scene beat by beat, e.g. the tutorial or a purchase.
// The window the scene is played in: 640 x 480 shows 16 x 12 units at 40 pixels each, the
// 9-unit scene centred with a 1.5-unit margin above and below (the HUD's place).
struct PlayView {
    double scale = 40.0;
    double camX = 0.0;
    double camY = -1.5;
    double viewWidth = 16.0;
    double scrollMargin = 6.0;
};

class ScriptedPlayer {
public:
    using View = PlayView;

    // Scene update results.
    static constexpr int kGoOn = 2;
    static constexpr int kGameOver = 3;
    static constexpr int kLevelCompleted = 4;

    ScriptedPlayer(Escena& scene, ScriptedPlatform& platform, View view = View{});

    // One game frame: the queued events, then update. Returns update's result.
    int frame();
    // Plays until the scene ends or maxFrames have passed; returns the last update's result.
    int finish(int maxFrames);

    // Walks (jumping over what is in the way) until the player's centre is within 0.3 of x.
    bool walkTo(double x, int maxFrames);
    // Taps the interaction key and waits a frame.
    void tapInteract();
    // Taps the interaction key until no character is talking any more.
    bool talkThrough(int maxFrames);
    // Walks to the character and talks until it has nothing more to say.
    bool talkTo(const NPC& npc, int maxFrames);
    // Walks to the item and taps the interaction key on it; true when it was taken.
    bool take(const Objeto& item, int maxFrames);
    // Walks to the exit and asks to leave; true when the scene reported it completed.
    bool leave(int maxFrames);

    // Playing inside the whole game (the soak), which runs the frames itself: the events of
    // this frame's decision, for the game's queue, seen through the game's view; then, once the
    // game has played the frame, frameSeen() takes in what it did.
    std::deque<SDL_Event> decideFrame(const View& view);
    void frameSeen();

    int frames = 0;
    int hitsTaken = 0;
    int lastResult = kGoOn;

private:
    // What the player wants this frame.
    struct Intent {
        int move = 0;  // -1 left, 0 stand, 1 right
        bool jump = false;
        bool dash = false;
        bool interact = false;
        std::optional<WorldRect> fireAt;
    };

    Intent decide();
    bool fight(Intent& intent);
    void steer(Intent& intent, double targetX);
    void dodge(Intent& intent);
    void apply(const Intent& intent);
    void keyEvent(Uint32 type, int key);
    void mouseEvent(Uint32 type, Uint8 button);
    bool anyoneTalking() const;
    bool blockedAhead(int dir) const;
    bool shotsNearby() const;
    bool roomToDash(int dir) const;
    bool enemyInWay(int dir) const;
    bool avoidDroppings(Intent& intent);
    static int framesToRise(double rise, const Prota& p);
    double centreX() const;

    Escena& scene_;
    ScriptedPlatform& platform_;
    View view_;
    std::deque<SDL_Event> events_;
    bool moveRight_ = false;
    bool moveLeft_ = false;
    bool jumpHeld_ = false;
    bool dashHeld_ = false;
    bool fireHeld_ = false;
    bool interactHeld_ = false;
    int jumpFrames_ = 0;
    int stillFrames_ = 0;
    bool walking_ = false;
    int dodgeFrames_ = 0;  // frames left of walking out of a shot's way
    int dodgeMove_ = 0;
    double lastX_ = 0.0;
    int lastHp_ = 0;
    std::map<const void*, WorldRect> lastSeen_;  // where each enemy was a frame ago
};
