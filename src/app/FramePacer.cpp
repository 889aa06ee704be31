#include "app/FramePacer.hpp"

void FramePacer::start(std::int64_t nowNs) {
    nextNs_ = nowNs;
}

int FramePacer::stepsDue(std::int64_t nowNs) {
    if (nowNs < nextNs_) {
        return 0;
    }
    const std::int64_t due = (nowNs - nextNs_) / kStepNs + 1;
    if (due > kMaxCatchUp) {
        // A stall: a few steps now, the rest is lost; the next step is a whole step away.
        nextNs_ = nowNs + kStepNs;
        return kMaxCatchUp;
    }
    nextNs_ += due * kStepNs;
    return static_cast<int>(due);
}

int FramePacer::msUntilNext(std::int64_t nowNs) const {
    const std::int64_t left = nextNs_ - nowNs;
    const std::int64_t ms = (left + 999'999) / 1'000'000;
    return ms < 1 ? 1 : static_cast<int>(ms);
}
