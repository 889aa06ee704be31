#pragma once

#include <cstdint>
#include <string>

#include "app/Platform.hpp"
#include "replay/Recording.hpp"

// The platform while a game is recorded: the real clock and mouse are read once at the start of
// each frame, written down, and that reading is what the whole frame sees. A replay gives the
// game exactly the same readings, so it cannot drift from what was played.
class RecorderPlatform : public Platform {
public:
    // Longest clock step one frame may take (a paused debugger, a suspended laptop).
    static constexpr int kMaxStepMs = 1000;

    RecorderPlatform(Platform& real, Recording& tape) : real_(real), tape_(tape) {}

    void beginFrame(long long frame);

    std::uint32_t mouseButtons() override { return input_.mouseButtons; }
    std::int64_t steadyNowNs() override { return nowMs_ * 1'000'000; }
    void sleepMs(int milliseconds) override { real_.sleepMs(milliseconds); }
    void mousePosition(int& x, int& y) override {
        x = input_.mouseX;
        y = input_.mouseY;
    }
    void showMessage(const std::string& title, const std::string& text,
                     SDL_Window* window) override {
        real_.showMessage(title, text, window);
    }
    void captureMouse(bool captured) override { real_.captureMouse(captured); }

private:
    Platform& real_;
    Recording& tape_;
    Recording::FrameInput input_;
    std::int64_t lastRealMs_ = -1;
    std::int64_t nowMs_ = 0;
};
