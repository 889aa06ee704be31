#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/Platform.hpp"
#include "replay/Recording.hpp"

// The platform while a recording plays: each frame sees the clock and the mouse as they were
// recorded. Headless it never sleeps; windowed it paces frames on the real platform so the
// replay runs at the speed it was played.
class ReplayPlatform : public Platform {
public:
    // pace: the real platform to sleep on, or nullptr to run as fast as the machine allows.
    ReplayPlatform(const Recording& tape, Platform* pace) : tape_(tape), pace_(pace) {}

    void beginFrame(long long frame);
    void setPace(Platform* pace) { pace_ = pace; }

    std::uint32_t mouseButtons() override { return input_.mouseButtons; }
    std::int64_t steadyNowNs() override { return nowMs_ * 1'000'000; }
    void sleepMs(int milliseconds) override {
        if (pace_ != nullptr) {
            pace_->sleepMs(milliseconds);
        }
    }
    void mousePosition(int& x, int& y) override {
        x = input_.mouseX;
        y = input_.mouseY;
    }
    // Nobody is there to dismiss a box: the text goes to stderr and the replay goes on.
    void showMessage(const std::string& title, const std::string& text, SDL_Window*) override;
    // The recorded aim is fed from the tape; the viewer's own mouse stays free.
    void captureMouse(bool) override {}

    const std::vector<std::string>& messages() const { return messages_; }

private:
    const Recording& tape_;
    Platform* pace_;
    Recording::FrameInput input_;
    std::int64_t nowMs_ = 0;
    std::vector<std::string> messages_;
};
