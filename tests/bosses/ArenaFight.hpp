#pragma once

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>

#include "app/GameGlobals.hpp"
#include "bosses/Apagon.hpp"
#include "bosses/FightPilot.hpp"
#include "bosses/Jefe.hpp"
#include "bosses/Lujuria.hpp"
#include "enemies/Enemigo.hpp"
#include "support/SceneHarness.hpp"

// A boss arena of the shipped scene file played through the real scene: the interaction key is
// pressed through the conversation, then the pilot plays with key, mouse-button and pointer
// events, one scene update per frame. The player comes in as a run of this difficulty brings
// it (the tutorial's extra heart, no upgrades). Between the scene and the pilot stands the
// screen: it hands over what is drawn inside the band and not lost in Lust's darkness.
class ArenaFight {
public:
    ArenaFight(const char* slot, unsigned seed, int difficulty = kNormal)
        : stage(harness::shippedScene(slot), difficulty, false, seed), pilot_(arenaOf(slot)) {}

    static constexpr int kEasy = 0;
    static constexpr int kNormal = 1;

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
        const FightPilot::Decision d = pilot_.decide(screen());
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

    // What the screen shows now.
    FightPilot::View screen() const {
        const Escena& scene = *stage.scene;
        FightPilot::View v;
        v.me = scene.prota->drawnRect();
        v.hearts = scene.prota->hp;
        v.arenaLeft = scene.x;
        v.arenaRight = scene.x + scene.w;
        v.shownLeft = stage.camX + (stage.viewWidth - scene.wShown) / 2.0;
        v.shownRight = v.shownLeft + scene.wShown;
        const Apagon* dark = darkness();
        const auto visible = [&](const WorldRect& r) {
            return r.w > 0.0 && r.x + r.w > v.shownLeft && r.x < v.shownRight &&
                   (dark == nullptr || lit(*dark, r));
        };
        v.bossSeen = visible(scene.boss->drawnRect());
        v.boss = scene.boss->drawnRect();
        for (const auto& e : scene.enemies) {
            if (e.get() != dark && visible(e->drawnRect())) {
                v.things.push_back(FightPilot::Sprite{e.get(), e->drawnRect()});
            }
        }
        return v;
    }

    harness::Stage stage;
    int frames = 0;

private:
    static FightPilot::Arena arenaOf(const char* slot) {
        if (std::strcmp(slot, "greed") == 0) {
            return FightPilot::Arena::Greed;
        }
        return std::strcmp(slot, "lust") == 0 ? FightPilot::Arena::Lust : FightPilot::Arena::Valdro;
    }

    // Lust's blackout while it is drawn: over her stage in her second phase, then fading out in
    // the scene's list once she has fallen.
    const Apagon* darkness() const {
        const auto* lust = dynamic_cast<const Lujuria*>(stage.scene->boss.get());
        if (lust != nullptr && lust->phase == 2 && lust->hp > 0 && lust->blackout) {
            return lust->blackout.get();
        }
        for (const auto& e : stage.scene->enemies) {
            if (const auto* a = dynamic_cast<const Apagon*>(e.get())) {
                return a;
            }
        }
        return nullptr;
    }

    // The blackout's picture (300 x 155 pixels over 33 x 16 units) is clear within 14 pixels of
    // its centre, three quarters dark at 34 and almost black from 48. A sprite shows while the
    // darkness over its nearest point is below half.
    static bool lit(const Apagon& dark, const WorldRect& r) {
        constexpr double kUnitsPerPixelX = Apagon::kWidth / 300.0;
        constexpr double kUnitsPerPixelY = Apagon::kHeight / 155.0;
        const double cx = dark.x + Apagon::kWidth / 2.0;
        const double cy = dark.y + 75.0 * kUnitsPerPixelY;
        const double dx = (std::clamp(cx, r.x, r.x + r.w) - cx) / kUnitsPerPixelX;
        const double dy = (std::clamp(cy, r.y, r.y + r.h) - cy) / kUnitsPerPixelY;
        const double px = std::hypot(dx, dy);
        double shade = 0.97;
        if (px <= 14.0) {
            shade = 0.0;
        } else if (px <= 34.4) {
            shade = 0.75 * (px - 14.0) / 20.4;
        } else if (px <= 48.0) {
            shade = 0.75 + 0.22 * (px - 34.4) / 13.6;
        }
        return shade * dark.alpha / 255.0 < 0.5;
    }

    void sendKey(std::uint8_t keys, std::uint8_t bit, int key) {
        if ((keys & bit) != (held_ & bit)) {
            stage.send(harness::keyEvent((keys & bit) != 0 ? SDL_KEYDOWN : SDL_KEYUP, key));
        }
    }

    FightPilot pilot_;
    std::uint8_t held_ = 0;
};
