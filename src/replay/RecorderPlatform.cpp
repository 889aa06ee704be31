#include "replay/RecorderPlatform.hpp"

#include <algorithm>

void RecorderPlatform::beginFrame(long long frame) {
    const std::int64_t realMs = real_.steadyNowNs() / 1'000'000;
    const std::int64_t step = lastRealMs_ < 0 ? 0 : realMs - lastRealMs_;
    lastRealMs_ = realMs;
    input_.stepMs = static_cast<int>(std::clamp<std::int64_t>(step, 0, kMaxStepMs));
    nowMs_ += input_.stepMs;
    real_.mousePosition(input_.mouseX, input_.mouseY);
    input_.mouseButtons = real_.mouseButtons();
    tape_.addFrame(frame, input_);
}
