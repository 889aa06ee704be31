#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "input/EventFeed.hpp"
#include "replay/RecorderPlatform.hpp"
#include "replay/Recording.hpp"
#include "replay/ReplayPlatform.hpp"

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
    // Starts the next frame: fixes the clock and mouse it reads, then hands the game its
    // events.
    bool feed(Game& game, SDL_Window* window) override;
    // Frames started so far.
    long long framesFed() const { return frame_; }
    // A replay on the real platform keeps the recorded speed; without, it runs flat out.
    void setPace(Platform* pace);

    // True when a windowed replay was closed by the player before its end.
    bool interrupted() const { return interrupted_; }

private:
    void beginFrame(long long frame);
    bool handOver(Game& game, SDL_Window* window);

    Mode mode_;
    Recording* tape_ = nullptr;  // recording
    const Recording& source_;    // the tape being written or read
    std::optional<RecorderPlatform> recorder_;
    std::optional<ReplayPlatform> replayer_;
    long long frame_ = 0;
    std::size_t nextEvent_ = 0;
    bool interrupted_ = false;
};
