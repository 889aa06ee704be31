#pragma once

#include <cstdint>

// The game logic moves in steps of exactly 10 ms (every speed, timer and recording counts them),
// while the picture is presented at whatever rate the display runs. Before each presented frame
// the pacer says how many steps real time calls for; after a stall it allows only a few, so the
// game never races to catch up, and the rest of the stall is let go.
class FramePacer {
public:
    static constexpr std::int64_t kStepNs = 10'000'000;  // 100 updates a second
    static constexpr int kMaxCatchUp = 4;

    // The first step is due at nowNs.
    void start(std::int64_t nowNs);
    // Steps due by nowNs (0 to kMaxCatchUp), counted as taken.
    int stepsDue(std::int64_t nowNs);
    // Whole milliseconds (at least 1) until the next step is due.
    int msUntilNext(std::int64_t nowNs) const;

private:
    std::int64_t nextNs_ = 0;
};
