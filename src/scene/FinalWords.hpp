#pragma once

#include <memory>
#include <vector>

class NPC;

// The end of the story in the final arena: Valdro's last words come at the killing blow, then
// the bellboy bursts in; once both have been heard the story is over and the scene says so
// without the walk to the door.
class FinalWords {
public:
    // Valdro has fallen: his character starts its last conversation at once.
    void begin(NPC& valdro);
    // Called every frame with the scene's characters and whether one is talking; brings the
    // bellboy in once Valdro has finished. True once everything has been said.
    bool over(std::vector<std::shared_ptr<NPC>>& npcs, bool someoneTalking);
    // A new scene: nothing has been said.
    void reset() { state_ = State::Waiting; }

private:
    enum class State { Waiting, LastWords, Bellboy, Said };
    State state_ = State::Waiting;
};
