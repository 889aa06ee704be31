#pragma once

#include <SDL.h>

#include <cstdint>
#include <functional>

#include "app/GameGlobals.hpp"
#include "bosses/FightPilot.hpp"
#include "bosses/Jefe.hpp"
#include "support/SceneHarness.hpp"

// A boss arena of the shipped scene file played through the real scene: the interaction key is
// pressed through the conversation, then the pilot plays with key, mouse-button and pointer
// events, one scene update per frame.
class ArenaFight {
public:
    // A Normal run reaches the arenas with the tutorial's extra heart and no upgrades.
    ArenaFight(const char* slot, FightPilot pilot, unsigned seed)
        : stage(harness::shippedScene(slot), 1, false, seed), pilot_(pilot) {
        stage.prota().maxHp = stage.prota().hp = kNormalHearts;
    }

    Jefe& boss() { return *stage.scene->boss; }

    // Presses the interaction key through the boss's conversation, each press followed by a
    // frame, or all of them within the arena's first frame. Returns the presses it took.
    int talkThrough(bool frameAfterEachPress = true, int maxPresses = 20) {
        int presses = 0;
        while (boss().phase == 0 && presses < maxPresses) {
            stage.interact();
            if (frameAfterEachPress) {
                stage.step();
            }
            presses += 1;
        }
        return presses;
    }

    // One frame: the pilot looks, the decision goes in as events, the scene updates and draws.
    int frame() {
        const FightPilot::Decision d = pilot_.decide(*stage.scene, boss());
        const KeySet& k = globals().activeKeys;
        sendKey(d.keys, Prota::kKeyRight, k.rightKey);
        sendKey(d.keys, Prota::kKeyLeft, k.leftKey);
        sendKey(d.keys, Prota::kKeyJump, k.upKey);
        if ((d.keys & Prota::kKeyDash) != (held_ & Prota::kKeyDash)) {
            stage.send(harness::buttonEvent(
                (d.keys & Prota::kKeyDash) != 0 ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP,
                SDL_BUTTON_RIGHT));
        }
        held_ = d.keys;
        stage.aimAt(d.aimX, d.aimY);
        stage.holdTrigger(d.fire);
        frames += 1;
        return stage.step();
    }

    // Plays until the boss has fallen and what it left is gone, the player has fallen, or the
    // frame limit; watch runs after every frame.
    void fight(int frameLimit, const std::function<void()>& watch = {}) {
        int sinceFall = 0;
        for (int f = 0; f < frameLimit && stage.prota().hp > 0; ++f) {
            frame();
            if (watch) {
                watch();
            }
            // The scene credits the fall on the frame after the killing shot.
            sinceFall = boss().hp <= 0 ? sinceFall + 1 : 0;
            if (sinceFall > 1 && stage.scene->enemies.empty()) {
                return;
            }
        }
    }

    static constexpr int kNormalHearts = 5;
    harness::Stage stage;
    int frames = 0;

private:
    void sendKey(std::uint8_t keys, std::uint8_t bit, int key) {
        if ((keys & bit) != (held_ & bit)) {
            stage.send(harness::keyEvent((keys & bit) != 0 ? SDL_KEYDOWN : SDL_KEYUP, key));
        }
    }

    FightPilot pilot_;
    std::uint8_t held_ = 0;
};
