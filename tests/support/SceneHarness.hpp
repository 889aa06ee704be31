#pragma once

#include <SDL.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "actors/Prota.hpp"
#include "app/GameGlobals.hpp"
#include "app/Platform.hpp"
#include "app/Screen.hpp"
#include "menus/Button.hpp"
#include "scene/Escena.hpp"
#include "scene/SceneData.hpp"

// Plays a scene headless the way the game does: a 1280 × 720 window unless told otherwise, the
// camera placed at the scene's left end, events fed to handleEvent and one update per step, with
// the mouse and clock of a ScriptedPlatform.
namespace harness {

inline SDL_Event keyEvent(Uint32 type, SDL_Keycode key, bool repeat = false) {
    SDL_Event e{};
    e.type = type;
    e.key.keysym.sym = key;
    e.key.repeat = repeat ? 1 : 0;
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    return e;
}

inline SDL_Event buttonEvent(Uint32 type, Uint8 button) {
    SDL_Event e{};
    e.type = type;
    e.button.button = button;
    e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    return e;
}

// Presses and releases the left mouse button over the middle of a menu button, where a window
// with this camera and scale shows it; the game takes both on its next frame. Returns the
// window point clicked.
inline SDL_Point pushClick(const Button& b, double camX, double camY, double scale) {
    SDL_Event e{};
    e.button.button = SDL_BUTTON_LEFT;
    e.button.x = static_cast<int>((b.area.x + b.area.w / 2 - camX) * scale);
    e.button.y = static_cast<int>((b.area.y + b.area.h / 2 - camY) * scale);
    for (Uint32 type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
        e.type = type;
        SDL_PushEvent(&e);
    }
    return SDL_Point{e.button.x, e.button.y};
}

// A scene of the shipped scene file ("tutorial", or "scenes_1" with a position).
inline SceneData shippedScene(const std::string& slot, int position = -1) {
    std::ifstream in(std::string(VALDRO_SOURCE_DIR) + "/data/datus/config/scenes.json");
    const nlohmann::json doc = nlohmann::json::parse(in);
    const nlohmann::json& s = position < 0 ? doc.at(slot) : doc.at(slot).at(position);
    return s.get<SceneData>();
}

// A plain room: floor across the whole width, nothing else.
inline SceneData room(double width, double wShown = 16.0) {
    SceneData d;
    d.width = width;
    d.height = 9.0;
    d.wShown = wShown;
    d.src = SDL_Rect{0, 0, 1600, 900};
    d.boss = -1;
    d.linesBolsillos = -1;
    d.linesBotones = -1;
    d.platformIndex = {-1};
    d.platformPositions = {WorldRect{0.0, 8.9, width, 0.0}};
    d.platformSrc = {SDL_Rect{0, 0, 0, 0}};
    d.platformSurfaces = {8.9};
    d.protaPosition = WorldRect{1.0, 6.9, 1.0, 2.0};
    return d;
}

class Stage {
public:
    static constexpr int kWindowW = 1280;
    static constexpr int kWindowH = 720;
    static constexpr double kMargin = 1.5;
    static constexpr double kScrollMargin = 6.0;

    explicit Stage(SceneData data, int difficulty = 1, bool tutorial = false, unsigned seed = 1,
                   SDL_Point window = SDL_Point{kWindowW, kWindowH})
        : window_(window), usePlatform_(platform_) {
        std::srand(seed);
        globals().activeKeys = kFixedKeySets[0];
        place(data);
        scene = std::make_shared<Escena>(data, false, difficulty, tutorial);
        scene->updateDstRect(scale, camX, camY);
    }

    // Enters the next scene the way the game does between scenes.
    void next(SceneData data) {
        place(data);
        scene->loadScene(data);
        scene->updateDstRect(scale, camX, camY);
    }

    // One frame as the game runs it: update, then draw (animations advance as they are drawn;
    // without a renderer nothing is copied).
    int step() {
        const int code = scene->update(scale, camX, camY, viewWidth, kScrollMargin);
        scene->render(nullptr);
        return code;
    }
    int steps(int n) {
        int code = kActionNone;
        for (int i = 0; i < n && code == kActionNone; ++i) {
            code = step();
        }
        return code;
    }
    void send(const SDL_Event& e) { scene->handleEvent(e, scale, camX, camY); }
    void press(SDL_Keycode key) { send(keyEvent(SDL_KEYDOWN, key)); }
    void release(SDL_Keycode key) { send(keyEvent(SDL_KEYUP, key)); }
    void tap(SDL_Keycode key) {
        press(key);
        release(key);
    }
    void interact() { tap(globals().activeKeys.interactKey); }
    // Points the mouse at a world position.
    void aimAt(double worldX, double worldY) {
        platform_.mouseX = static_cast<int>((worldX - camX) * scale);
        platform_.mouseY = static_cast<int>((worldY - camY) * scale);
    }
    void holdTrigger(bool held) { platform_.buttons = held ? SDL_BUTTON(SDL_BUTTON_LEFT) : 0; }
    Prota& prota() { return *scene->prota; }

    ScriptedPlatform& input() { return platform_; }

    double scale = 1.0;
    double camX = 0.0;
    double camY = 0.0;
    double viewWidth = 0.0;
    std::shared_ptr<Escena> scene;

private:
    void place(SceneData& data) {
        scale = std::min(window_.y / (data.height + 2 * kMargin), window_.x / data.wShown);
        viewWidth = window_.x / scale;
        const double viewHeight = window_.y / scale;
        camX = (data.wShown - viewWidth) / 2.0;
        camY = (data.height - viewHeight) / 2.0;
        data.bgDstRect =
            SDL_Rect{static_cast<int>(-camX * scale), static_cast<int>(-camY * scale),
                     static_cast<int>(scale * data.wShown), static_cast<int>(scale * data.height)};
    }

    SDL_Point window_;
    ScriptedPlatform platform_;
    ScopedPlatform usePlatform_;
};

}  // namespace harness
