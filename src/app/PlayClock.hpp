#pragma once

#include <cstdint>

// The play time of a run: the stretches between a start, resume or revive and the next pause
// or game over, added up in nanoseconds so that frequent pauses lose nothing. Whole seconds are
// taken only when the time is shown or recorded.
class PlayClock {
public:
    static constexpr std::int64_t kNsPerSecond = 1'000'000'000;

    // A new run: nothing played yet, the clock running from now.
    void start(std::int64_t nowNs);
    // A continued run: what it had played before, the clock running from now.
    void startFrom(std::int64_t nowNs, std::int64_t playedNs);
    // Pause or game over: the stretch so far is added up.
    void stop(std::int64_t nowNs);
    // Resume or revive.
    void resume(std::int64_t nowNs);

    bool running() const { return running_; }
    std::int64_t totalNs(std::int64_t nowNs) const;
    std::uint64_t seconds(std::int64_t nowNs) const;

private:
    std::int64_t playedNs_ = 0;  // before stretchStart_
    std::int64_t stretchStart_ = 0;
    bool running_ = false;
};
