#include "app/Platform.hpp"

#include <SDL_mouse.h>
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
};

SdlPlatform gSdlPlatform;
Platform* gPlatform = &gSdlPlatform;
}  // namespace

Platform& platform() {
    return *gPlatform;
}

void installPlatform(Platform* p) {
    gPlatform = p != nullptr ? p : &gSdlPlatform;
}
