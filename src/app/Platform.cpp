#include "app/Platform.hpp"

#include <SDL_events.h>
#include <SDL_messagebox.h>
#include <SDL_mouse.h>
#include <SDL_render.h>
#include <SDL_timer.h>

#include <chrono>

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
