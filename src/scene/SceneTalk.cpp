#include "scene/SceneTalk.hpp"

#include <memory>

#include "actors/Prota.hpp"
#include "app/GameGlobals.hpp"
#include "bosses/Jefe.hpp"
#include "npc/NPC.hpp"
#include "npc/Objeto.hpp"
#include "render/Audio.hpp"
#include "scene/Escena.hpp"

namespace {

constexpr WorldRect kTutorialHeartContainer{2.2, 6.5, 1.5, 1.5};

}  // namespace

void SceneTalk::interact() {
    // a. Leaving: allowed once everyone has had their say, or in a scene already passed in an
    // earlier run. The update keeps the request only at the exit.
    if (s_.conversationsFinished() || s_.levelNumber < globals().maxLevel) {
        s_.exitRequested = true;
    }
    // b. The first item underfoot that may be taken.
    for (std::size_t i = 0; i < s_.items.size(); ++i) {
        if (s_.overlapsPlayer(*s_.items[i]) && s_.shop_.mayTake(*s_.items[i])) {
            s_.shop_.takeItem(i);
            break;
        }
        if (s_.freeItem && s_.overlapsPlayer(*s_.items[i])) {
            // The gift is not his to give yet: say so rather than ignore the press.
            audio::playSound("nonono");
            break;
        }
    }
    // c. Characters. Only one starts talking per press.
    for (const auto& n : s_.npcs) {
        if (s_.overlapsPlayer(*n)) {
            if (s_.isTutorial && n->conversationIndex > 0 && !n->finished()) {
                n->jumpTo(kTutorialFarewellJump);
            }
            n->advance();
            if (!n->finished()) {
                audio::playSound("interactProta");
            }
        } else if (s_.isTutorial && s_.atExit() && n->kind == NPC::kBotones && !n->finished()) {
            // The bellboy repeats his reminder when the player tries to leave too early.
            if (n->conversationIndex > kTutorialReminderJump) {
                n->jumpTo(kTutorialReminderJump);
            }
            if (n->conversationIndex > 0) {
                n->advance();
            }
        }
        if (n->talking) {
            break;
        }
    }
}

void SceneTalk::interactWhileTalking() {
    bool protaAdvancedByHandOver = false;
    for (std::size_t i = 0; i < s_.npcs.size(); ++i) {
        NPC& n = *s_.npcs[i];
        // Only a character that is talking moves on: a press never starts a second box.
        const bool addressed =
            n.talking && (n.passing || s_.overlapsPlayer(n) || (s_.boss && !n.finished()) ||
                          (s_.isTutorial && n.kind == NPC::kBotones));
        if (addressed) {
            n.advance();
            if (!n.finished()) {
                audio::playSound("interactProta");
            }
            handOver(n, protaAdvancedByHandOver);
            if (s_.isTutorial && n.kind == NPC::kBotones && !n.passing) {
                tutorialHeart(n);
            }
        } else if (n.kind == NPC::kProta && n.talking && !protaAdvancedByHandOver) {
            // The hero's thoughts follow the presses wherever the player stands.
            n.advance();
            handOver(n, protaAdvancedByHandOver);
        }
        if (s_.boss && s_.boss->hp > 0 && !s_.npcs.front()->talking && s_.boss->phase == 0) {
            s_.boss->startFight();
        }
    }
}

void SceneTalk::handOver(NPC& n, bool& protaAdvanced) {
    // The bellboy and the hero's thoughts speak in turn; a word in passing is nobody's turn.
    if (n.passing) {
        return;
    }
    if (n.kind == NPC::kBotones && !n.talking && n.conversationIndex == 0) {
        for (const auto& other : s_.npcs) {
            if (other->kind == NPC::kProta) {
                other->advance();
                protaAdvanced = true;
                break;
            }
        }
    } else if (n.kind == NPC::kProta && n.finished()) {
        for (const auto& other : s_.npcs) {
            if (other->kind == NPC::kBotones) {
                if (!other->talking && !other->finished()) {
                    other->advance();
                }
                break;
            }
        }
    }
}

void SceneTalk::tutorialHeart(NPC& bellboy) {
    if (!bellboy.talking && bellboy.conversationIndex == 1) {
        // The bellboy hands over a heart container after his second talk.
        s_.items.push_back(std::make_shared<Objeto>(kTutorialHeartContainer, kTutorialHeartRest,
                                                    0.0, Objeto::kHeartContainer));
    } else if (bellboy.talking && bellboy.conversationIndex >= 1 && !s_.items.empty()) {
        // Not picked up: he gives it anyway.
        s_.prota->maxHp += 1;
        s_.prota->hp = s_.prota->maxHp;
        s_.resizeHearts();
        s_.items.erase(s_.items.begin());
    }
}
