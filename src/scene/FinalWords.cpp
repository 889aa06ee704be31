#include "scene/FinalWords.hpp"

#include "npc/Dialogue.hpp"
#include "npc/NPC.hpp"

void FinalWords::begin(NPC& valdro) {
    if (state_ != State::Waiting) {
        return;
    }
    state_ = State::LastWords;
    if (!valdro.talking) {
        valdro.advance();
    }
}

bool FinalWords::over(std::vector<std::shared_ptr<NPC>>& npcs, bool someoneTalking) {
    switch (state_) {
        case State::Waiting:
            return false;
        case State::LastWords:
            if (!someoneTalking) {
                npcs.push_back(NPC::inPassing(NPC::kBotones, dialogue::kClosingEntry, 0));
                state_ = State::Bellboy;
            }
            return false;
        case State::Bellboy:
            if (!someoneTalking) {
                state_ = State::Said;
            }
            return state_ == State::Said;
        case State::Said:
            return true;
    }
    return false;
}
