#pragma once

class Escena;
class NPC;

// The interact key or button: leaving at the exit, taking an item, starting a character's talk
// or moving it on, the bellboy and the hero's thoughts speaking in turn, and the tutorial's
// script (the farewell, the reminder at the exit, the heart container).
class SceneTalk {
public:
    // The tutorial bellboy's conversations: the farewell (jumped to from the second talk on),
    // and the reminder he repeats when the player tries to leave early.
    static constexpr int kTutorialFarewellJump = 3;
    static constexpr int kTutorialReminderJump = 2;
    // Where the bellboy's heart container lies, and the floor it rests on.
    static constexpr double kTutorialHeartRest = 7.4;

    explicit SceneTalk(Escena& scene) : s_(scene) {}

    // A press while nobody is talking.
    void interact();
    // A press while someone is talking: moves the talk on.
    void interactWhileTalking();

private:
    void handOver(NPC& n, bool& protaAdvanced);
    void tutorialHeart(NPC& bellboy);

    Escena& s_;
};
