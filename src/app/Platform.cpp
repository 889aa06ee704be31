#include "app/Platform.hpp"

#include <SDL_events.h>
#include <SDL_messagebox.h>
#include <SDL_mouse.h>
#include <SDL_render.h>
#include <SDL_timer.h>

#include <chrono>
#include <vector>

#include "menus/QuestionBox.hpp"

namespace {
class SdlPlatform : public Platform {
public:
    std::uint32_t mouseButtons() override { return SDL_GetMouseState(nullptr, nullptr); }
    std::int64_t steadyNowNs() override {
        return std::chrono::duration_cast<std::chrono::nanoseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
    void sleepMs(int milliseconds) override {
        if (milliseconds > 0) {
            SDL_Delay(static_cast<Uint32>(milliseconds));
        }
    }
    void mousePosition(int& x, int& y) override { SDL_GetMouseState(&x, &y); }
    void showMessage(const std::string& title, const std::string& text,
                     SDL_Window* window) override {
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, title.c_str(), text.c_str(), window);
    }
    int askChoice(const std::string& title, const std::string& text,
                  const std::vector<std::string>& choices, SDL_Window* window) override {
        // Asked in the game's own window where it can draw, so a pad can answer too.
        if (window != nullptr && SDL_GetRenderer(window) != nullptr) {
            return QuestionBox::ask(window, title, text, choices);
        }
        std::vector<SDL_MessageBoxButtonData> buttons;
        for (std::size_t i = 0; i < choices.size(); ++i) {
            // Return takes the first choice; Escape closes the box without one.
            const Uint32 flags = i == 0 ? SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT : 0;
            buttons.push_back({flags, static_cast<int>(i), choices[i].c_str()});
        }
        const SDL_MessageBoxData box{
            SDL_MESSAGEBOX_INFORMATION,       window,         title.c_str(), text.c_str(),
            static_cast<int>(buttons.size()), buttons.data(), nullptr};
        int taken = -1;
        if (SDL_ShowMessageBox(&box, &taken) != 0) {
            return -1;
        }
        return taken;
    }
    void captureMouse(bool captured) override {
        SDL_ShowCursor(captured ? SDL_DISABLE : SDL_ENABLE);
        SDL_SetRelativeMouseMode(captured ? SDL_TRUE : SDL_FALSE);
    }
};

SdlPlatform gSdlPlatform;
Platform* gPlatform = &gSdlPlatform;
}  // namespace

int Platform::maxTextureSide(SDL_Renderer* renderer) {
    SDL_RendererInfo info;
    if (renderer == nullptr || SDL_GetRendererInfo(renderer, &info) != 0) {
        return 0;
    }
    const int w = info.max_texture_width;
    const int h = info.max_texture_height;
    if (w <= 0 || h <= 0) {
        return w > 0 ? w : h > 0 ? h : 0;
    }
    return w < h ? w : h;
}

void Platform::present(SDL_Renderer* renderer) {
    if (renderer != nullptr) {
        SDL_RenderPresent(renderer);
    }
}

Platform& platform() {
    return *gPlatform;
}

void installPlatform(Platform* p) {
    gPlatform = p != nullptr ? p : &gSdlPlatform;
}
