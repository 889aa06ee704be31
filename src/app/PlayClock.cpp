#include "app/PlayClock.hpp"

#include <algorithm>

void PlayClock::start(std::int64_t nowNs) {
    playedNs_ = 0;
    stretchStart_ = nowNs;
    running_ = true;
}

void PlayClock::startFrom(std::int64_t nowNs, std::int64_t playedNs) {
    start(nowNs);
    playedNs_ = std::max<std::int64_t>(playedNs, 0);
}

void PlayClock::stop(std::int64_t nowNs) {
    playedNs_ = totalNs(nowNs);
    running_ = false;
}

void PlayClock::resume(std::int64_t nowNs) {
    if (!running_) {
        stretchStart_ = nowNs;
        running_ = true;
    }
}

std::int64_t PlayClock::totalNs(std::int64_t nowNs) const {
    // A clock that went backwards adds nothing.
    return playedNs_ + (running_ ? std::max<std::int64_t>(nowNs - stretchStart_, 0) : 0);
}

std::uint64_t PlayClock::seconds(std::int64_t nowNs) const {
    return static_cast<std::uint64_t>(totalNs(nowNs) / kNsPerSecond);
}
