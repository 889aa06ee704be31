#pragma once

#include <cstddef>
#include <optional>

#include "app/EventFeed.hpp"
#include "app/RecorderPlatform.hpp"
#include "app/Recording.hpp"
#include "app/ReplayPlatform.hpp"

class Platform;

// Plays a game while writing it down, or plays a recording back, one frame at a time: each
// frame first fixes the clock and mouse the game will read, then hands it its events.
class RecordedRun : public EventFeed {
public:
    enum class Mode { Record, Replay };

    // Records onto tape, reading the real machine.
    RecordedRun(Recording& tape, Platform& real);
    // Plays tape back; pace is the real platform to keep the recorded speed, or nullptr.
    RecordedRun(const Recording& tape, Platform* pace);

    // The platform the game must read during the run (install it for the run's lifetime).
    Platform& platform();
    // Fixes frame's clock and mouse; call before each App::frame.
    void beginFrame(long long frame);
    bool feed(Game& game, SDL_Window* window) override;

    // True when a windowed replay was closed by the player before its end.
    bool interrupted() const { return interrupted_; }

private:
    Mode mode_;
    Recording* tape_ = nullptr;  // recording
    const Recording& source_;    // the tape being written or read
    std::optional<RecorderPlatform> recorder_;
    std::optional<ReplayPlatform> replayer_;
    long long frame_ = 0;
    std::size_t nextEvent_ = 0;
    bool interrupted_ = false;
};
